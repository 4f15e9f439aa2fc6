#pragma once
// The game's own font files, usable by this program only while it runs.

#include <QString>
#include <QStringList>

namespace zarle {

// Adds the font file; false when it is missing or not a font. Adding a file again is harmless.
bool AddFontResource(const QString& path);
// Removes a font added from that path; false when none was.
bool RemoveFontResource(const QString& path);
// The families a file added from that path brought; empty when none was added.
QStringList PrivateFontFamilies(const QString& path);

} // namespace zarle
