#pragma once
// The avatar pictures the program folder starts with: friendly drawn portraits, 160 x 160.

#include <QImage>
#include <QString>

namespace zarle::cardart {

// name: "Zarle", "Quenor", "Vova" or "Zadure".
QImage Avatar(const QString& name);

} // namespace zarle::cardart
