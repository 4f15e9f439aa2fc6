#pragma once
// Looking up the personalities' data files by the names that profiles and personality files give.

#include <filesystem>
#include <optional>
#include <string_view>

namespace zarle {

// True for a bare file name that stays inside its folder: not empty, no folder separators, drive
// colon, wildcards or control characters, and not "." or "..".
bool IsPlainFileName(std::string_view name);

// The file `name` in `folder`, matched without regard to case when no exact match exists; nothing
// when the name is not a plain file name or no such file exists.
std::optional<std::filesystem::path> FindDataFile(const std::filesystem::path& folder, std::string_view name);

} // namespace zarle
