#pragma once
// Text files of the program folder that a player may have replaced (the manual, the tips) are read
// only up to a size that the windows showing them can lay out: a huge file neither fills the
// memory nor holds the game up, and the window says that the rest was left out.

#include <QByteArray>
#include <QString>

#include <optional>

namespace zarle {

// More than twice the manual and ten times the tips the game ships. The help window's rich-text
// layout takes hundreds of bytes of memory for each byte of dense markup, and time that grows with
// the square of its nesting (seconds at this size), so not much more.
inline constexpr qint64 LargestTextFile = 64 * 1024;

struct FileHead {
    QByteArray Bytes;
    bool Cut = false; // the file is larger: only its first bytes were read
};

// The first `limit` bytes of the file; nothing when it cannot be opened.
std::optional<FileHead> ReadFileHead(const QString& path, qint64 limit = LargestTextFile);

// "256 KB": a size as the notices give it.
QString SizeText(qint64 bytes);

} // namespace zarle
