// Scaling windows to the screen and by the display-size steps, fitting the board window to its
// piles, and the board's resize handling.

#include "rendering/layout/FormScaling.h"
#include "tests/rendering/layout/LayoutFixture.h"

#include <gmock/gmock.h>

#include <cmath>
#include <ostream>

namespace zarle::test {
namespace {

FormGeometry ChatLikeWindow() {
    FormGeometry frm;
    frm.Name = "frmChat";
    frm.Width = 6000;
    frm.Height = 4500;
    frm.FontSize = 10;
    frm.Controls = {
        {FormControlKind::Label, 120, 240, 3000, 300, 10},
        {FormControlKind::ComboBox, 600, 900, 2400, 315, 8},
        {FormControlKind::Image, 300, 300, 480, 480, 8},
        {FormControlKind::Line, 0, 0, 6000, 0, 8},
        {FormControlKind::MenuItem, 0, 0, 0, 0, 8},
        {FormControlKind::CommandButton, 4500, 3600, 1200, 375, 8},
    };
    return frm;
}

TEST(FormScaling, ModeFourScalesFromTheDesignSizeToTheScreen) {
    FormGeometry frm = ChatLikeWindow();
    SizeFormRelative(frm, 4, 0, 15360, 11520); // 1024 x 768 pixels: factor 1.28 both ways
    EXPECT_DOUBLE_EQ(frm.Width, 7680);
    EXPECT_DOUBLE_EQ(frm.Height, 5760);
    EXPECT_DOUBLE_EQ(frm.FontSize, 12.8);
    const auto& c = frm.Controls;
    EXPECT_DOUBLE_EQ(c[0].Left, 153.6);
    EXPECT_DOUBLE_EQ(c[0].Height, 384);
    EXPECT_DOUBLE_EQ(c[0].FontSize, 12.8);
    EXPECT_DOUBLE_EQ(c[1].Left, 768);
    EXPECT_EQ(c[1].Width, 2400) << "a combo box moves but keeps its size";
    EXPECT_EQ(c[1].Height, 315);
    EXPECT_DOUBLE_EQ(c[1].FontSize, 10.24);
    EXPECT_DOUBLE_EQ(c[2].Width, 614.4);
    EXPECT_EQ(c[2].FontSize, 8) << "an image has no font to scale";
    EXPECT_EQ(c[3].Width, 6000) << "lines stay";
    EXPECT_DOUBLE_EQ(c[5].Top, 4608);
}

TEST(FormScaling, WindowsThatCannotOrNeedNotScaleStayAsTheyAre) {
    const FormGeometry original = ChatLikeWindow();
    struct Case {
        WindowState state;
        int mode, mode2;
        int32_t screenW, screenH;
    };
    const Case cases[] = {
        {WindowState::Minimized, 5, 2, 15360, 11520}, {WindowState::Maximized, 4, 0, 15360, 11520},
        {WindowState::Normal, 5, 7, 15360, 11520},    {WindowState::Normal, 3, 2, 15360, 11520},
        {WindowState::Normal, 4, 0, 0, 11520},        {WindowState::Normal, 4, 0, 15360, 0}};
    for (const Case& c : cases) {
        FormGeometry frm = original;
        frm.State = c.state;
        SizeFormRelative(frm, c.mode, c.mode2, c.screenW, c.screenH);
        EXPECT_EQ(frm.Width, original.Width);
        EXPECT_EQ(frm.FontSize, original.FontSize);
        EXPECT_EQ(frm.Controls[0].Left, original.Controls[0].Left);
    }
    FormGeometry exact = original;
    SizeFormRelative(exact, 4, 0, 12000, 9000);
    EXPECT_EQ(exact.Controls[5].Left, original.Controls[5].Left) << "the design screen gives factor 1";
}

TEST(FormScaling, CardCounterImagesStayAndStepsUndoEachOther) {
    FormGeometry frm = ChatLikeWindow();
    frm.Name = "frmCounter";
    frm.Controls[0].Left = 1234.5678;
    const FormGeometry original = frm;
    SizeFormRelative(frm, 5, 3, 15360, 11520);
    EXPECT_DOUBLE_EQ(frm.Controls[0].Left, 1234.5678 * 0.8);
    EXPECT_EQ(frm.Controls[2].Left, original.Controls[2].Left);
    SizeFormRelative(frm, 5, 2, 15360, 11520);
    for (size_t i = 0; i < frm.Controls.size(); ++i) {
        EXPECT_EQ(frm.Controls[i].Left, original.Controls[i].Left) << i;
        EXPECT_EQ(frm.Controls[i].FontSize, original.Controls[i].FontSize) << i;
    }
    EXPECT_EQ(frm.Width, original.Width);
}

TEST(BoardScaling, MarkersMenuAndWideScreenAvatarKeepTheirPlace) {
    for (const int32_t screen : {11000, 12000}) {
        LaidOutBoard b(2, 3, screen);
        const BoardModel before = b.board;
        b.layout.SizeFormRelative(5, 2);
        for (const Ctl same :
             {Ctl::ImgTurn1, Ctl::ImgTurn2, Ctl::picPanel, Ctl::lblRules, Ctl::imgIcon, Ctl::StatusBar1})
            EXPECT_EQ(b.board.Get(same).Left, before.Get(same).Left) << ControlName(same);
        EXPECT_EQ(b.board.Get(Ctl::lblRules).FontSize, before.Get(Ctl::lblRules).FontSize);
        EXPECT_DOUBLE_EQ(b.board.Get(Ctl::Command2).FontSize, before.Get(Ctl::Command2).FontSize * 1.25);
        const bool avatarScales = screen < 12000;
        EXPECT_EQ(b.board.Get(Ctl::ImgAvatar).Width != before.Get(Ctl::ImgAvatar).Width, avatarScales);
        EXPECT_DOUBLE_EQ(b.board.Get(Ctl::Stack, 30).Left, before.Get(Ctl::Stack, 30).Left * 1.25);
        EXPECT_DOUBLE_EQ(b.board.Window().Height, before.Window().Height * 1.25);
        EXPECT_EQ(b.board.Window().BoardHeight, std::lround(before.Window().Height * 1.25));
        EXPECT_EQ(b.board.Window().Width, before.Window().Width) << "the layout decides the board's width";
    }
}

TEST(BoardScaling, StartUpKeepsTheHeightAndAMaximisedBoardIsLeftAlone) {
    LaidOutBoard b(2, 3);
    b.game.StartingUp = true;
    const double height = b.board.Window().Height;
    b.layout.SizeFormRelative(5, 3);
    EXPECT_EQ(b.board.Window().Height, height);
    EXPECT_DOUBLE_EQ(b.Left(Ctl::Picture7, 7), 320);

    LaidOutBoard maximised(2, 3);
    maximised.board.EditWindow().State = WindowState::Maximized;
    const double left = maximised.board.Get(Ctl::Picture7, 7).Left;
    maximised.layout.SizeFormRelative(5, 3);
    EXPECT_EQ(maximised.board.Get(Ctl::Picture7, 7).Left, left);
    EXPECT_EQ(maximised.layout.State().DropSpan, 82);
}

struct FitCase {
    int players;
    int32_t screenTwips;
    int boardWidth;
};

class FitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitTest, WindowFitsItsPilesButNotWiderThanTheScreen) {
    const FitCase& f = GetParam();
    LaidOutBoard b(f.players, 4, f.screenTwips);
    b.board.EditWindow().Left = 500;
    b.layout.SizeFormToBoard();
    const BoardWindow& w = b.board.Window();
    EXPECT_EQ(w.BoardWidth, f.boardWidth);
    EXPECT_EQ(w.Width, f.boardWidth);
    EXPECT_EQ(w.BoardHeight, 345 + 1440 + 5880 + 900) << "status bar, side pile and margin";
    EXPECT_EQ(w.Height, w.BoardHeight);
    EXPECT_EQ(w.Left, 0);
    EXPECT_EQ(w.State, WindowState::Normal);
    EXPECT_EQ(w.Scale, ScaleMode::Pixels);
}

INSTANTIATE_TEST_SUITE_P(Screens, FitTest,
                         ::testing::Values(FitCase{2, 12000, 12000}, FitCase{2, 20000, 640 * 15 + 4260},
                                           FitCase{2, 0, 640 * 15 + 4260}, FitCase{4, 20000, 673 * 15 + 4260},
                                           FitCase{4, 12000, 12000}));

// The window's size as the layout leaves it, and the least inside it asks for.
struct WindowSize {
    double width, height;
    int minWidth, minHeight;
    friend bool operator==(const WindowSize&, const WindowSize&) = default;
    friend std::ostream& operator<<(std::ostream& out, const WindowSize& s) {
        return out << s.width << " x " << s.height << " (at least " << s.minWidth << " x " << s.minHeight
                   << ")";
    }
};

// The window answers every size it is given with a resize report, as the real one does.
WindowSize Settled(LaidOutBoard& b) {
    const BoardWindow& w = b.board.Window();
    b.layout.Form_Resize(WindowFrame{w.Left, w.Top, w.Width, w.Height, WindowState::Normal,
                                     int(ToPixels(w.Width)), int(ToPixels(w.Height))});
    return {w.Width, w.Height, w.MinInsideWidth, w.MinInsideHeight};
}

// After a change of players or of the display size the window has the size of the new board: it
// neither keeps the size of a larger board it showed before nor grows a little at every change.
TEST(BoardWindow, TakesTheSizeOfEveryNewBoard) {
    for (const int32_t screen : {12000, 19200}) {
        SCOPED_TRACE(screen);
        LaidOutBoard b(2, 3, screen);
        b.board.EditWindow().Left = 600;
        const WindowSize two = Settled(b);
        EXPECT_LE(two.minWidth, ToPixels(two.width));
        b.Relayout(4, 4);
        const WindowSize four = Settled(b);
        EXPECT_EQ(four.width, std::min(673 * 15 + 4260, screen));
        b.Relayout(2, 3);
        EXPECT_EQ(Settled(b), two);
        EXPECT_EQ(b.board.Window().Left, 600) << "the window stays where the player put it";

        b.layout.ChangeDisplay(1);
        const WindowSize small = Settled(b);
        EXPECT_LE(small.width, two.width);
        EXPECT_LT(small.height, two.height);
        b.layout.ChangeDisplay(1);
        EXPECT_EQ(Settled(b), two);

        b.Relayout(3, 4);
        const WindowSize three = Settled(b);
        b.layout.ChangeDisplay(1);
        const WindowSize threeSmall = Settled(b);
        EXPECT_LE(threeSmall.width, three.width) << "a smaller display is never wider";
        EXPECT_LT(threeSmall.height, three.height);
        b.layout.ChangeDisplay(1);
        EXPECT_EQ(Settled(b), three);
    }
}

TEST(SizeRelative, TheAvatarKeepsToTheRightEdgeUnlessOpponentsPanelsNeedTheRoom) {
    struct Case {
        int players;
        int32_t screenTwips;
        WindowState state;
        double rightEdge; // twips; 0: the avatar stays where it was
    };
    const Case cases[] = {
        {2, 12000, WindowState::Normal, 13000},    {3, 12000, WindowState::Normal, 0},
        {4, 12000, WindowState::Normal, 0},        {3, 12001, WindowState::Normal, 13000},
        {4, 15360, WindowState::Maximized, 15360},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.players << " players on " << c.screenTwips);
        LaidOutBoard b(c.players, 4, c.screenTwips);
        BoardWindow& w = b.board.EditWindow();
        w.BoardWidth = 13000;
        w.State = c.state;
        b.board.Edit(Ctl::ImgAvatar).Left = 1234;
        b.layout.SizeRelative();
        const Control& avatar = b.board.Get(Ctl::ImgAvatar);
        EXPECT_EQ(avatar.Left, c.rightEdge ? c.rightEdge - avatar.Width : 1234);
        if (c.rightEdge) {
            EXPECT_EQ(b.board.Get(Ctl::imgSlap).Left, avatar.Left);
        }
    }
}

TEST(FormResize, NothingHappensWhileStartingUp) {
    LaidOutBoard b(2, 3);
    b.game.StartingUp = true;
    b.host.Calls.clear();
    b.board.ClearChanges();
    b.layout.Form_Resize(WindowFrame{0, 0, 9000, 7000, WindowState::Normal, 590, 440});
    EXPECT_TRUE(b.host.Calls.empty());
    EXPECT_FALSE(b.board.WindowChanged());
}

TEST(FormResize, ANormalWindowKeepsItsSizeAndTheAvatarAtTheRightEdge) {
    LaidOutBoard b(2, 3);
    b.game.NetMode = 1;
    b.game.AwaitHuman = true;
    b.board.Edit(Ctl::picPanel).Visible = true;
    b.layout.Form_Resize(WindowFrame{150, 90, 13001, 8700, WindowState::Normal, 860, 550});
    const BoardWindow& w = b.board.Window();
    EXPECT_EQ(w.BoardWidth, 13001);
    EXPECT_EQ(w.BoardHeight, 8700);
    EXPECT_EQ(w.BoardScaleW, 860);
    EXPECT_EQ(w.BoardScaleH, 550);
    EXPECT_EQ(w.Scale, ScaleMode::Pixels);
    EXPECT_EQ(b.board.Get(Ctl::ImgAvatar).Left, 13001 - b.board.Get(Ctl::ImgAvatar).Width);
    EXPECT_EQ(b.board.Get(Ctl::imgSlap).Left, b.board.Get(Ctl::ImgAvatar).Left);
    EXPECT_FALSE(b.Visible(Ctl::picPanel));
    EXPECT_TRUE(b.game.FlowStop);
    EXPECT_FALSE(b.game.AwaitHuman);
    EXPECT_TRUE(b.host.Called("CloseDropDownMenu"));
    EXPECT_TRUE(b.host.Called("ChatFollowsBoard 0"));

    b.layout.Form_Resize(WindowFrame{0, 0, 20000, 12000, WindowState::Maximized, 1333, 780});
    EXPECT_EQ(b.board.Get(Ctl::ImgAvatar).Left, 12000 - b.board.Get(Ctl::ImgAvatar).Width)
        << "a maximised board aligns the avatar to the screen";
}

TEST(FormResize, MinimisingClosesTheSatelliteWindows) {
    LaidOutBoard b(2, 3);
    const int boardWidth = b.board.Window().BoardWidth;
    b.host.LoadedForms = {"frmCounter"};
    b.layout.Form_Resize(WindowFrame{0, 0, 2000, 500, WindowState::Minimized, 0, 0});
    EXPECT_TRUE(b.host.Called("UnloadForm frmHold"));
    EXPECT_TRUE(b.host.Called("UnloadForm frmCounter"));
    EXPECT_EQ(b.board.Window().BoardWidth, boardWidth) << "the normal size is kept";

    b.host.Calls.clear();
    b.layout.Form_Resize(WindowFrame{0, 0, 2000, 500, WindowState::Minimized, 0, 0});
    EXPECT_FALSE(b.host.Called("UnloadForm frmCounter"));
}

} // namespace
} // namespace zarle::test
