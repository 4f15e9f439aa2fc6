// The drawn menu strip: each menu opened by a click on its title, with its entries and a picture
// of it saved under window-shots/; choices, separators, pop-ups, the refusals of the titles, and
// the program closed while a menu waits.

#include "tests/board/menus/MenusFixture.h"
#include "tests/support/board/WindowEvents.h"
#include "platform/controls/ListBox.h"

namespace zarle::test {
namespace {

std::vector<std::string> ListOf(const frmMenu& menu) {
    std::vector<std::string> entries;
    for (int i = 0; i < menu.List1->ListCount(); ++i) entries.push_back(menu.List1->List(i).toStdString());
    return entries;
}

TEST_F(MenusTest, EachTitleOpensItsMenuBelowTheStrip) {
    StartAndDeal();
    const char* names[] = {"", "game", "options", "internet", "help"};
    for (int menu = GameMenu; menu <= HelpMenu; ++menu) {
        SCOPED_TRACE(names[menu]);
        OpenMenu(menu, [&](frmMenu* window) {
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(Strip().MenuPanelOpen());
            EXPECT_EQ(Strip().MenuNo(), menu);
            EXPECT_EQ(ListOf(*window), MenuEntries(menu, {0, 0, false, true}));
            EXPECT_GE(window->y(), Form().mapToGlobal(QPoint(0, 0)).y() + 60);
            // Every entry shows in full.
            EXPECT_GE(window->List1->height(), window->List1->ListCount() * window->List1->ItemHeight());
            SavePicture(*window, QString("menu-") + names[menu]);
            PressKey(*window, Qt::Key_Escape);
        });
        EXPECT_FALSE(Strip().MenuPanelOpen());
        EXPECT_EQ(Strip().MenuNo(), 0);
    }
    // The Internet menu of a network game, on the host and on a remote side.
    for (const int16_t host : {1, 0}) {
        Game->NetMode = 1;
        Game->IsHost = host;
        OpenMenu(InternetMenu, [&](frmMenu* window) {
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(ListOf(*window), MenuEntries(InternetMenu, {1, host}));
            SavePicture(*window, host ? "menu-internet-host" : "menu-internet-remote");
        });
    }
    Game->NetMode = 0;
    Game->IsHost = 0;
    EXPECT_TRUE(Box.Shown.empty());
    Close();
}

TEST_F(MenusTest, AnEntryRunsItsCommandOnlyAfterTheMenuClosed) {
    StartAndDeal();
    bool openDuringCommand = true;
    OpenMenu(HelpMenu, [&](frmMenu* window) {
        ASSERT_NE(window, nullptr);
        // The entry under the mouse is highlighted; below the last entry none is.
        ListBox& list = *window->List1;
        MoveMouseTo(*list.viewport(), list.visualItemRect(list.item(2)).center());
        EXPECT_EQ(list.ListIndex(), 2);
        MoveMouseTo(*list.viewport(), QPoint(5, list.viewport()->height() - 2));
        EXPECT_EQ(list.ListIndex(), -1);
        HelpCalls.Keywords.clear();
        ClickEntry(*window, 0);
        EXPECT_TRUE(HelpCalls.Keywords.empty()) << "ran inside the menu's wait";
        openDuringCommand = Strip().MenuPanelOpen();
    });
    EXPECT_FALSE(openDuringCommand);
    EXPECT_EQ(HelpCalls.Keywords, std::vector<std::string>{""});
    EXPECT_FALSE(Window->Board().Model().Get(Ctl::picPanel).Visible);

    // A separator closes the menu and runs nothing.
    const int16_t turn = Game->PTurn;
    OpenMenu(GameMenu, [&](frmMenu* window) {
        ClickEntry(*window, 3);
        EXPECT_FALSE(Strip().MenuPanelOpen());
    });
    EXPECT_EQ(Game->PTurn, turn);
    EXPECT_TRUE(Box.Shown.empty());
    Close();
}

TEST_F(MenusTest, TheGameTitleIsRefusedDuringAComputerTurnAndInANetworkGame) {
    StartAndDeal();
    struct Case {
        int menu;
        int16_t pTurn, netMode;
        const char* text; // "" when nothing is said
        const char* title;
        bool stripStays;
    };
    const Case cases[] = {
        {GameMenu, 2, 0, "Wait!  Let me finish my turn first!", "Zarle:", false},
        {GameMenu, 1, 1, "Use the Internet Menu during Internet games", "ZarleNET Online", true},
        {InternetMenu, 3, 0, "", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Box.Shown.clear();
        Game->PTurn = c.pTurn;
        Game->NetMode = c.netMode;
        bool opened = true;
        OpenMenu(c.menu, [&](frmMenu* window) { opened = window != nullptr; });
        EXPECT_FALSE(opened);
        if (*c.text) {
            ASSERT_EQ(Box.Shown.size(), 1u);
            EXPECT_EQ(Box.Shown[0].Text, c.text);
            EXPECT_EQ(Box.Shown[0].Title, c.title);
        } else {
            EXPECT_TRUE(Box.Shown.empty());
        }
        EXPECT_EQ(Window->Board().Model().Get(Ctl::picPanel).Visible, c.stripStays);
    }
    Game->PTurn = 1;
    Game->NetMode = 0;
    Close();
}

TEST_F(MenusTest, ThePopUpsLeaveTheMenuOpenUntilSomethingNewIsChosen) {
    StartAndDeal();
    int answer = 0;
    std::vector<Popup> asked;
    Strip().SetPopupChooser([&](Popup popup, const PopupItems& items) {
        asked.push_back(popup);
        if (popup == Popup::Noise) {
            EXPECT_EQ(items.DefaultItem, Game->SoundLevel);
        }
        return answer;
    });
    std::vector<std::string> launched;
    Commands().SetBrowser([&](std::string_view address) {
        launched.emplace_back(address);
        return false;
    });

    Game->SoundLevel = 0;
    OpenMenu(OptionsMenu, [&](frmMenu* window) {
        answer = 0; // the level already set
        ClickEntry(*window, 1);
        EXPECT_TRUE(Strip().MenuPanelOpen());
        answer = -1; // the display-size pop-up dismissed
        ClickEntry(*window, 7);
        EXPECT_TRUE(Strip().MenuPanelOpen());
        answer = 2;
        ClickEntry(*window, 1);
        EXPECT_FALSE(Strip().MenuPanelOpen());
    });
    EXPECT_EQ(asked, (std::vector<Popup>{Popup::Noise, Popup::DisplaySize, Popup::Noise}));
    EXPECT_EQ(Game->SoundLevel, 2);
    EXPECT_EQ(Window->Board().Model().Get(Ctl::Label9, 2).Caption, "Ahhh... the sounds of silence...");

    OpenMenu(HelpMenu, [&](frmMenu* window) {
        answer = 3;
        ClickEntry(*window, 6);
    });
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_TRUE(launched[0].ends_with("/online/ipaddress.html")) << launched[0];
    // No browser: the failure is told, nothing waits for it.
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Unable to launch default browser"});
    Close();
}

TEST_F(MenusTest, TheStripShowsAtTheTopEdgeAndAClickOnTheBoardPutsItAway) {
    StartAndDeal();
    auto shown = [&] { return Window->Board().Model().Get(Ctl::picPanel).Visible; };
    Strip().Form_MouseMove(40);
    EXPECT_FALSE(shown());
    MoveMouseTo(Form(), QPoint(300, 2));
    EXPECT_TRUE(shown());
    SavePicture(Form(), "menu-strip");
    OpenMenu(OptionsMenu, [&](frmMenu* window) {
        ASSERT_NE(window, nullptr);
        // Into the strip's left margin: the menu closes, the strip stays.
        Strip().picPanel_MouseMove(5, 40);
        EXPECT_FALSE(Strip().MenuPanelOpen());
    });
    EXPECT_TRUE(shown());
    OpenMenu(OptionsMenu, [&](frmMenu*) {
        ClickWith(*Form().ControlWidget({Ctl::Label9, 1}), Qt::LeftButton);
    });
    EXPECT_FALSE(Strip().MenuPanelOpen());
    EXPECT_FALSE(shown());
    // Not while a game ends.
    Game->GameEnding = true;
    MoveMouseTo(Form(), QPoint(300, 2));
    EXPECT_FALSE(shown());
    Game->GameEnding = false;
    Close();
}

TEST_F(MenusTest, TheStripSoundsOnceWhenHoveredAndOnEveryTitleClick) {
    StartAndDeal();
    Sound.Resources.clear();
    Strip().ShowStrip();
    Strip().picPanel_MouseMove(300, 40);
    Strip().picPanel_MouseMove(310, 40);
    EXPECT_EQ(Sound.Resources, std::vector<int>{106});
    Strip().HideStrip();
    Strip().ShowStrip();
    Strip().picPanel_MouseMove(300, 40);
    OpenMenu(HelpMenu, [](frmMenu*) {});
    Strip().picPanel_MouseDown(20, 40); // outside the titles: silent
    EXPECT_EQ(Sound.Resources, (std::vector<int>{106, 106, 107}));
    Close();
}

TEST_F(MenusTest, ExitFromTheMenuClosesTheProgramOnce) {
    StartAndDeal();
    OpenMenu(GameMenu, [&](frmMenu* window) { ClickEntry(*window, 12); });
    EXPECT_TRUE(Game->StopWait);
    EXPECT_FALSE(Form().isVisible());
    // The shut-down stored the window placement.
    EXPECT_EQ(SettingsRecord(14).Value3, 20);
}

TEST_F(MenusTest, AProgramClosedWhileAMenuWaitsRunsNoMoreCommands) {
    StartAndDeal();
    OpenMenu(GameMenu, [&](frmMenu* window) {
        ASSERT_NE(window, nullptr);
        Form().close();
    });
    EXPECT_FALSE(Strip().MenuPanelOpen());
    EXPECT_TRUE(Game->StopWait);
    EXPECT_FALSE(Form().isVisible());
    const int16_t turns = Game->TurnCounter;
    const CardRec side = Game->PlayerCards[1];
    const FolderSnapshot closed = Snapshot();
    Box.Shown.clear();
    Key(113);   // F2
    Key(82, 2); // Ctrl+R
    Commands().MenuGame(0);
    EXPECT_EQ(Game->TurnCounter, turns);
    EXPECT_EQ(Game->PlayerCards[1], side);
    EXPECT_TRUE(Box.Shown.empty());
    EXPECT_TRUE(Snapshot() == closed);
}

} // namespace
} // namespace zarle::test

namespace zarle::test {
namespace {

// A board larger than 16-bit twips (a very large screen) is stored at the largest value, never
// wrapped into a negative or tiny window for the next start.
TEST_F(MenusTest, ABoardBeyond16BitTwipsIsClampedWhenItsPlacementIsWritten) {
    StartAndDeal();
    BoardWindow& window = Window->Board().Model().EditWindow();
    window.BoardWidth = 40000;
    window.BoardHeight = 70000;
    Key(123); // F12
    ASSERT_TRUE(Game->StopWait);
    const ScoreRecord placement = SettingsRecord(15);
    EXPECT_EQ(placement.Value0, 32767);
    EXPECT_EQ(placement.Value1, 32767);
}

} // namespace
} // namespace zarle::test
