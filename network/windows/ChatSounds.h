#pragma once
// The personalities whose chat sounds are installed into Sounds/ (as "*<name>.pmw" files) and
// offered by the chat window: at most three.

#include "engine/ServicePorts.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace zarle {

inline constexpr int MaxChatSoundSets = 3;

// Brings `installed` in line with `chosen`: a personality no longer chosen has its sounds
// removed; a newly chosen one takes a free entry and gets its sounds from its pack ("Missing
// Person" when it has none); one already installed is left alone.
void InstallChatSounds(const std::filesystem::path& programFolder, std::array<std::string, 3>& installed,
                       std::vector<std::string> chosen, MessageBoxPort& box);

} // namespace zarle
