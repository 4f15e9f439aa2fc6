#include "network/windows/ChatSounds.h"

#include "opponents/PersonalityPacks.h"

#include <algorithm>

namespace zarle {

void InstallChatSounds(const std::filesystem::path& programFolder, std::array<std::string, 3>& installed,
                       std::vector<std::string> chosen, MessageBoxPort& box) {
    for (auto& name : installed) {
        if (name.empty()) continue;
        const auto kept = std::ranges::find(chosen, name);
        if (kept == chosen.end()) {
            RemovePackSounds(programFolder, name);
            name.clear();
        } else {
            kept->clear(); // already installed
        }
    }
    for (const auto& name : chosen) {
        if (name.empty()) continue;
        const auto free = std::ranges::find(installed, std::string());
        if (free == installed.end()) continue;
        *free = name;
        if (!InstallPackSounds(programFolder, name))
            box.MsgBox("This personality has not been installed. No sounds available.", MbInformation,
                       "Missing Person");
    }
}

} // namespace zarle
