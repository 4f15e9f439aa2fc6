#pragma once
// The game's manual, reached by every window's Help button and the Help menu through this one
// service. The manual is an HTML file of the program folder shown in the game's help window; a
// missing manual only says so.

#include <string_view>

namespace zarle {

class HelpPort {
  public:
    virtual ~HelpPort() = default;
    // Opens the manual at the topic of a keyword ("rules, changing the rules", "customize",
    // "Connect"); an empty keyword opens its contents.
    virtual void ShowHelp(std::string_view keyword) = 0;
};

} // namespace zarle
