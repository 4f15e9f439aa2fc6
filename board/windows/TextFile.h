#pragma once
// A plain text file a player may have written with any editor: UTF-8 when it reads as UTF-8,
// otherwise the single-byte Windows text it has always been.

#include <QString>
#include <QStringList>

namespace zarle {

// The file's lines without their line ends (LF or CR LF); empty when it cannot be read.
QStringList ReadTextLines(const QString& path);

} // namespace zarle
