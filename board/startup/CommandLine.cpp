#include "board/startup/CommandLine.h"

#include "base/text/VbText.h"

namespace zarle {

namespace {

constexpr std::string_view DeveloperSwitch = "/DODUV";

} // namespace

bool IsDeveloperSwitch(std::string_view commandLine) {
    return commandLine.size() >= DeveloperSwitch.size() &&
           EqualsNoCase(commandLine.substr(0, DeveloperSwitch.size()), DeveloperSwitch);
}

} // namespace zarle
