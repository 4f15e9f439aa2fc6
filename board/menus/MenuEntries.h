#pragma once
// The entries of the four drawn menus as the list shows them: caption, a tab and the shortcut key,
// or a separator. An entry's index is its position in the list, separators counted; the commands
// take that index.

#include <string>
#include <vector>

namespace zarle {

inline constexpr int GameMenu = 1;
inline constexpr int OptionsMenu = 2;
inline constexpr int InternetMenu = 3;
inline constexpr int HelpMenu = 4;

// 21 em dashes.
inline const std::string MenuSeparator = "\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014"
                                         "\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014";

// What the Internet and Help menus' entries depend on.
struct MenuConditions {
    int NetMode = 0; // 0 local, 99 connecting, else a network game
    int IsHost = 0;
    bool PeekOn = false;
    bool StatusBarShown = false;
};

// The entries of menu 1..4, in list order; any other number has none.
std::vector<std::string> MenuEntries(int menu, const MenuConditions& now);

} // namespace zarle
