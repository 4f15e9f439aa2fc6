#pragma once
// The developer switch of the command line.

#include <string_view>

namespace zarle {

// True when the command line starts with "/DODUV", in any case; what follows does not matter.
bool IsDeveloperSwitch(std::string_view commandLine);

} // namespace zarle
