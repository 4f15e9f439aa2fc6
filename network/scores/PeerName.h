#pragma once
// Names that arrive from other players are shown, stored in record files and used in file names,
// so they are cleaned first: no field separators, colons, path separators or control characters.

#include <string>
#include <string_view>

namespace zarle {

// The name (UTF-8) without "|", ":", "/", "\" and control characters, trimmed of blanks.
std::string CleanPeerName(std::string_view name);

} // namespace zarle
