// The four menus' entries as data: captions, tabs, keys and separators, with the Internet and
// Help menus' variants.

#include "board/menus/MenuEntries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace zarle::test {
namespace {

const std::string Sep = MenuSeparator;

TEST(MenuEntriesTest, ASeparatorIs21EmDashes) {
    EXPECT_EQ(Sep.size(), 21u * 3);
    for (size_t i = 0; i < Sep.size(); i += 3) EXPECT_EQ(Sep.substr(i, 3), "\xE2\x80\x94");
}

TEST(MenuEntriesTest, GameAndOptionsMenus) {
    EXPECT_EQ(
        MenuEntries(GameMenu, {}),
        (std::vector<std::string>{"New\tF2", "Save\tCtrl+S", "Restore\tCtrl+R", Sep, "Rules",
                                  "Opponents Setup\tF10", Sep, "Previous Turn\tF4", "Restart Current Game",
                                  Sep, "Scores and Stats\tF3", Sep, "Exit\tF12"}));
    EXPECT_EQ(MenuEntries(OptionsMenu, {}),
              (std::vector<std::string>{"Speed\tF5", "Sound", "Preferences", Sep, "Customize Comments\tF6",
                                        "Background (up/down arrows)", "Add Background", "Display Size"}));
    EXPECT_TRUE(MenuEntries(0, {}).empty());
    EXPECT_TRUE(MenuEntries(5, {}).empty());
}

TEST(MenuEntriesTest, TheInternetMenuFollowsTheNetworkGame) {
    struct Case {
        const char* what;
        MenuConditions now;
        std::vector<std::string> entries;
    };
    const Case cases[] = {
        {"local", {0, 0}, {"Start Internet Game\tF11", "Internet Game Scores", Sep}},
        {"connecting host", {99, 1}, {"Host - END Internet Game", "Internet Game Scores", Sep}},
        {"remote",
         {1, 0},
         {"Remote - END Internet Game", "Internet Game Scores", Sep, "Internet Players Setup\tF10", Sep,
          "Save This Game"}},
        {"host",
         {2, 1},
         {"Host - END Internet Game", "Internet Game Scores", Sep, "Internet Players Setup and Rules  F10",
          Sep, "Save This Game", "Send Saved Internet Game", Sep, "New Game\tF2", "Restart Current Game"}},
    };
    for (const Case& c : cases) EXPECT_EQ(MenuEntries(InternetMenu, c.now), c.entries) << c.what;
}

TEST(MenuEntriesTest, TheHelpMenuTellsPeekAndStatusBar) {
    const auto entries = [](bool peek, bool bar) { return MenuEntries(HelpMenu, {0, 0, peek, bar}); };
    EXPECT_EQ(
        entries(false, false),
        (std::vector<std::string>{"Help - User's Manual\tF1", "Daily Tips", "Peek\tF7", "Card Counter\tF8",
                                  "Show Status Bar\tF9", Sep, "Visit the Internet Site", "About"}));
    EXPECT_EQ(entries(true, true)[2], "Stop Peeking\tF7");
    EXPECT_EQ(entries(true, true)[4], "Hide Status Bar\tF9");
}

} // namespace
} // namespace zarle::test

namespace zarle::test {
namespace {

// The manual of the program folder; empty when it cannot be read.
std::string Manual() {
    std::ifstream file(std::string(ZARLE_DEFAULT_FOLDER) + "/Help/manual.html");
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The manual of the program folder names every entry of every menu, with its key.
TEST(MenuEntriesTest, TheManualNamesEveryEntryAndKey) {
    const std::string manual = Manual();
    ASSERT_FALSE(manual.empty());
    const MenuConditions variants[] = {{0, 0, false, false}, {1, 0, true, true}, {2, 1, false, true}};
    for (int menu = GameMenu; menu <= HelpMenu; ++menu)
        for (const MenuConditions& now : variants)
            for (const std::string& entry : MenuEntries(menu, now)) {
                if (entry == MenuSeparator) continue;
                const size_t tab = entry.find_first_of("\t");
                const std::string caption = entry.substr(0, std::min(tab, entry.find("  ")));
                EXPECT_NE(manual.find(caption), std::string::npos) << caption;
                if (tab != std::string::npos) {
                    EXPECT_NE(manual.find("<td>" + entry.substr(tab + 1) + "</td>"), std::string::npos)
                        << entry;
                }
            }
}

// The key the manual's menu tables give an entry is the one the menu shows beside it, and none
// where the menu shows none (the key list of the manual has the keys without a menu entry).
TEST(MenuEntriesTest, TheManualsMenuTablesGiveTheKeysTheMenusShow) {
    const std::string manual = Manual();
    const MenuConditions variants[] = {{0, 0, false, false}, {1, 0, true, true}, {2, 1, false, true}};
    for (int menu = GameMenu; menu <= HelpMenu; ++menu)
        for (const MenuConditions& now : variants)
            for (const std::string& entry : MenuEntries(menu, now)) {
                if (entry == MenuSeparator) continue;
                const size_t tab = entry.find('\t');
                const size_t blanks = entry.find("  ");
                const std::string caption = entry.substr(0, std::min(tab, blanks));
                const std::string key = tab != std::string::npos      ? entry.substr(tab + 1)
                                        : blanks != std::string::npos ? entry.substr(blanks + 2)
                                                                      : "";
                const size_t row = manual.find("<tr><td>" + caption + "</td><td>");
                if (row == std::string::npos) continue;
                const size_t cell = row + caption.size() + std::string("<tr><td></td><td>").size();
                EXPECT_EQ(manual.substr(cell, manual.find("</td>", cell) - cell), key) << caption;
            }
}

// The manual names the welcome window's button as the window shows it.
TEST(MenuEntriesTest, TheManualNamesTheWelcomeButton) {
    EXPECT_NE(Manual().find("<b>Let's play already</b>"), std::string::npos);
}

} // namespace
} // namespace zarle::test
