#pragma once
// Data files found damaged (empty, cut short or holding garbage): the kind of damage, a copy of the
// damaged file kept beside it before it is rewritten, and the text of the one message that says
// what was found and what was done.

#include "GameState.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zarle {

enum class Damage { None, Empty, CutShort, Garbage };

// The damage a file of `size` bytes shows by its size alone when it should hold at least
// `wholeRecords` records of `recordLength` bytes: empty, or short of a whole record.
Damage DamageBySize(uintmax_t size, size_t recordLength, int64_t wholeRecords = 1);

// True when text read from a file holds a control character (C0, DEL or C1), which no name or
// line the game writes does: the bytes are garbage.
bool HasControlCharacters(std::string_view utf8);

// Copies `file` to "<file>.damaged" ("<file>.damaged2", ... when that name is taken) so that the
// damaged bytes survive the repair; the copy's path, nothing when it could not be made.
std::optional<std::filesystem::path> KeepDamagedCopy(const std::filesystem::path& file);

// "<file> is <damage>. <done>", and where the damaged file was kept when it was.
std::string DamageNotice(const std::filesystem::path& file, Damage damage, std::string_view done,
                         const std::optional<std::filesystem::path>& kept = std::nullopt);

// Adds the notice to those to report unless `file` was reported before in this run.
void NoteDamagedFile(GameState& s, const std::filesystem::path& file, std::string notice);

} // namespace zarle
