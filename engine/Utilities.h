#pragma once
// Shared utilities that need no game: file tests, name checks and the read-only text store.

#include "engine/ServicePorts.h"

#include <functional>
#include <string>
#include <string_view>

namespace zarle {

// Opens a web page through `launch`, the platform's start of the default browser (false when it
// could not start one); a failed start is reported to the user.
void OpenBrowser(MessageBoxPort& box, const std::function<bool(std::string_view)>& launch,
                 std::string_view address);

// True when the path names a file or folder, or when a pattern with * and ? in its last part
// matches at least one. Names compare without regard to case; "\" separates like "/".
bool FileExists(std::string_view path);

// True, after a box that lists the characters, when the name holds one that a file name cannot.
bool BadFileNameChars(MessageBoxPort& box, std::string_view name);

// Records first..last of Data/snack.ade under the program folder, each trimmed and followed by one
// blank. A missing store gives "".
std::string ReadDataText(std::string_view appPath, int first, int last);

} // namespace zarle
