#include "board/menus/MenuEntries.h"

namespace zarle {

namespace {

std::string Keyed(const std::string& caption, const std::string& key) {
    return caption + "\t" + key;
}

std::vector<std::string> GameEntries() {
    const std::string& sep = MenuSeparator;
    return {Keyed("New", "F2"),
            Keyed("Save", "Ctrl+S"),
            Keyed("Restore", "Ctrl+R"),
            sep,
            "Rules",
            Keyed("Opponents Setup", "F10"),
            sep,
            Keyed("Previous Turn", "F4"),
            "Restart Current Game",
            sep,
            Keyed("Scores and Stats", "F3"),
            sep,
            Keyed("Exit", "F12")};
}

std::vector<std::string> OptionsEntries() {
    return {Keyed("Speed", "F5"),
            "Sound",
            "Preferences",
            MenuSeparator,
            Keyed("Customize Comments", "F6"),
            "Background (up/down arrows)",
            "Add Background",
            "Display Size"};
}

std::vector<std::string> InternetEntries(const MenuConditions& c) {
    std::vector<std::string> entries;
    if (c.NetMode == 0)
        entries.push_back(Keyed("Start Internet Game", "F11"));
    else
        entries.push_back(c.IsHost != 0 ? "Host - END Internet Game" : "Remote - END Internet Game");
    entries.push_back("Internet Game Scores");
    entries.push_back(MenuSeparator);
    if (c.NetMode < 1 || c.NetMode == 99) return entries;
    entries.push_back(c.IsHost != 0 ? "Internet Players Setup and Rules  F10"
                                    : Keyed("Internet Players Setup", "F10"));
    entries.push_back(MenuSeparator);
    entries.push_back("Save This Game");
    if (c.IsHost != 1) return entries;
    entries.push_back("Send Saved Internet Game");
    entries.push_back(MenuSeparator);
    entries.push_back(Keyed("New Game", "F2"));
    entries.push_back("Restart Current Game");
    return entries;
}

std::vector<std::string> HelpEntries(const MenuConditions& c) {
    return {Keyed("Help - User's Manual", "F1"),
            "Daily Tips",
            Keyed(c.PeekOn ? "Stop Peeking" : "Peek", "F7"),
            Keyed("Card Counter", "F8"),
            Keyed(c.StatusBarShown ? "Hide Status Bar" : "Show Status Bar", "F9"),
            MenuSeparator,
            "Visit the Internet Site",
            "About"};
}

} // namespace

std::vector<std::string> MenuEntries(int menu, const MenuConditions& now) {
    switch (menu) {
    case GameMenu: return GameEntries();
    case OptionsMenu: return OptionsEntries();
    case InternetMenu: return InternetEntries(now);
    case HelpMenu: return HelpEntries(now);
    default: return {};
    }
}

} // namespace zarle
