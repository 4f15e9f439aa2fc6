#pragma once
// A plain text file a player may have written with any editor: UTF-8 when it reads as UTF-8,
// otherwise the single-byte Windows text it has always been. Only its first LargestTextFile bytes
// are read.

#include <QString>
#include <QStringList>

namespace zarle {

struct TextLines {
    QStringList Lines;
    bool Cut = false; // the file is larger: the lines after its first bytes are left out
};

// The file's lines without their line ends (LF or CR LF); none when it cannot be read. Of a file
// that is cut, the line that runs past the bytes read is left out too.
TextLines ReadTextLines(const QString& path);

} // namespace zarle
