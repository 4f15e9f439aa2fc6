#pragma once
// The program's own resources by type and id, such as the "SOUND" resources 105..123,
// compiled into the program as ":/<type>/<id>".

#include <QByteArray>
#include <QString>

namespace zarle {

// The resource's bytes; empty when the program has no such resource.
QByteArray LoadResData(int id, const QString& type = QStringLiteral("SOUND"));

} // namespace zarle
