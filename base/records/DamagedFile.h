#pragma once
// Data files found damaged (empty, cut short, holding garbage or numbers out of range): the kind of
// damage, a copy of the damaged file kept beside it before it is rewritten, and the text of the one
// message that says what was found and what was done.

#include "base/records/ProfileState.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarle {

enum class Damage { None, Empty, CutShort, Garbage, OutOfRange };

// The damage a file of `size` bytes shows by its size alone when it should hold at least
// `wholeRecords` records of `recordLength` bytes: empty, or short of a whole record.
Damage DamageBySize(uintmax_t size, size_t recordLength, int64_t wholeRecords = 1);

// True when text read from a file holds a control character (C0, DEL or C1), which no name or
// line the game writes does: the bytes are garbage.
bool HasControlCharacters(std::string_view utf8);

// The largest damaged file that is copied before its repair; a larger one is repaired uncopied.
inline constexpr uintmax_t LargestDamagedCopy = 4 * 1024 * 1024;

// What became of the copy of a damaged file.
struct DamagedCopy {
    std::optional<std::filesystem::path> Kept; // where the damaged bytes are
    bool TooLarge = false;                      // not copied: larger than LargestDamagedCopy
};

// Copies `file` to "<file>.damaged", the one copy kept of it (a copy of earlier damage is
// replaced), so that the damaged bytes survive the repair.
DamagedCopy KeepDamagedCopy(const std::filesystem::path& file);

// "<file> is <damage>. <done>", and where the damaged file was kept, or why it was not.
std::string DamageNotice(const std::filesystem::path& file, Damage damage, std::string_view done,
                         const DamagedCopy& copy = {});

// What a notice says it did, in pieces: "a, b and c", and the sentences that are not empty
// joined by blanks.
std::string Enumeration(const std::vector<std::string>& items);
std::string Sentences(const std::vector<std::string>& parts);

// Adds the notice to those to report unless `file` was reported before in this run.
void NoteDamagedFile(ProfileState& profile, const std::filesystem::path& file, std::string notice);

} // namespace zarle
