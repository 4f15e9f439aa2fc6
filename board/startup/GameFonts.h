#pragma once
// The game's five private fonts in the program folder: usable by the program while it runs.

#include <string>

namespace zarle {

// Missing or broken font files are passed over.
void InstallGameFonts(const std::string& appPath);
void RemoveGameFonts(const std::string& appPath);

} // namespace zarle
