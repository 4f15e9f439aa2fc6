#pragma once
// A personality's pack: the folder Data/PMS/<name>/ of the program folder, beside its personality
// file. It holds the seven frames of the personality's winner animation, "<name>1.png" ..
// "<name>7.png", and its chat sounds, "<call><name>.wav". Reading the pack stands in for starting
// the personality's own program: the frames are read from it when the personality wins, and its
// sounds are installed into Sounds/ as "<call><name>.pmw" files (which the exit deletes). A
// personality without a pack, such as one a player added, simply has no frames and no chat sounds.
// Names never leave their folder: a name that is no plain file name has no pack.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zarle {

inline constexpr int WinFrames = 7;

// The personality whose pack a personality uses: Zadure celebrates and speaks with Vova's.
std::string PackOwner(std::string_view name);

// The pack of `name` (through its owner), nothing when there is none.
std::optional<std::filesystem::path> PackFolder(const std::filesystem::path& programFolder,
                                                std::string_view name);

// Frame 1..7 of the winner animation of `name` (through its owner), nothing when the pack lacks it.
std::optional<std::filesystem::path> PackFrame(const std::filesystem::path& programFolder,
                                               std::string_view name, int frame);

// Copies the chat sounds of the pack of `name` into Sounds/ as .pmw files, replacing older copies;
// false when there is no pack. Files that cannot be copied are passed over.
bool InstallPackSounds(const std::filesystem::path& programFolder, std::string_view name);

// Deletes every Sounds/*<name>.pmw file (the installed sounds of that personality); errors are
// ignored.
void RemovePackSounds(const std::filesystem::path& programFolder, std::string_view name);
// Deletes every Sounds/*.pmw file, whoever's it is; errors are ignored.
void RemoveAllPackSounds(const std::filesystem::path& programFolder);

} // namespace zarle
