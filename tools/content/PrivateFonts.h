#pragma once
// The game's five private fonts, copied from freely licensed fonts of the system's font packages.

#include <QString>

#include <filesystem>
#include <string>
#include <vector>

namespace zarle::content {

struct PrivateFont {
    QString file;                        // the name the program adds, e.g. "Zarle1.ttf"
    std::vector<std::string> candidates; // under a font folder, best first
};

const std::vector<PrivateFont>& PrivateFonts();

// The folders the candidates are looked for in.
std::vector<std::filesystem::path> SystemFontFolders();

// The first candidate found; a ContentError when none is installed.
std::filesystem::path FontSource(const PrivateFont& font, const std::vector<std::filesystem::path>& folders);

} // namespace zarle::content
