#pragma once
// The custom sound list of a personality: list 1 of the two sound lists in its personality file,
// which the opponents setup lets a player change. Only that list is ever written, and only into the
// file it was read from: the comments, the default list and the picture stay as the file has them.
// A personality whose file is missing, short or unsafely named is never written.

#include "engine/SeatRecord.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zarle {

inline constexpr int DefaultSoundList = 0;
inline constexpr int CustomSoundList = 1;
inline constexpr size_t SoundNameWidth = 30; // characters of a sound file name in the file

// Sound file names of events 1..15 (entry 0 is unused), as Sounds/ holds them.
using SoundNames = std::array<std::string, SoundEvents>;

// One of the two lists of Data/PMS/<personality>.pms; nothing when the file cannot be read.
std::optional<SoundNames> ReadSoundList(const std::filesystem::path& programFolder,
                                        std::string_view personality, int list);

// Replaces the custom list of the personality's file with `names` (events 1..15); false when the
// file could not be read or written.
bool WriteCustomSounds(const std::filesystem::path& programFolder, std::string_view personality,
                       const SoundNames& names);

// The custom list becomes a copy of the default list, written at once; the new list, or nothing
// when the file could not be read or written.
std::optional<SoundNames> ResetCustomSounds(const std::filesystem::path& programFolder,
                                            std::string_view personality);

// Whether a sound file of that bare name can stand in a sound list.
bool UsableSoundName(std::string_view name);

// A chosen sound file from outside Sounds/ copied into it under its own name, replacing a file of
// that name; a file inside Sounds/ stays where it is. False when the copy failed.
bool CopyIntoSounds(const std::filesystem::path& programFolder, const std::filesystem::path& chosen);

} // namespace zarle
