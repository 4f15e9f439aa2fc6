#pragma once
// Start-up: the sound resources are written out as `Data/~<id>.tmp`, so that every effect can
// be played from a file.

#include <string>
#include <string_view>

namespace zarle {

// Error numbers of SaveResToFile.
inline constexpr long ResourceNotFound = 326;
inline constexpr long FileAccessError = 75;

// Writes resource `id` of `type` to `path`, replacing the file. 0 on success, else an error number.
long SaveResToFile(int id, std::string_view type, const std::string& path);

// Writes every sound resource to its temporary file; one that fails is skipped and the rest go on.
void SetUpSounds(const std::string& appPath);

} // namespace zarle
