// The display-size commands: card rows up and down, the display made smaller and larger, and the
// drop zone that follows the card size.

#include "tests/rendering/layout/LayoutFixture.h"

#include <gmock/gmock.h>

namespace zarle::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct RowsCase {
    int players, centers;
};

class CardRowsTest : public ::testing::TestWithParam<RowsCase> {};

TEST_P(CardRowsTest, RowsMoveUpAndBackDown) {
    LaidOutBoard b(GetParam().players, GetParam().centers);
    const bool twoPlayers = GetParam().players == 2;

    b.layout.ChangeDisplay(0);
    EXPECT_EQ(b.game.DisplaySize, 1);
    EXPECT_EQ(b.layout.State().DisplayMenu.RowsCaption, "Move Cards Down");
    EXPECT_THAT(b.Tops(Ctl::Picture7, 1, 6), ElementsAre(352, 352, 352, 352, 352, 352));
    EXPECT_THAT(b.Tops(Ctl::Picture7, 7, 10), ElementsAre(230, 230, 230, 230));
    if (twoPlayers) {
        EXPECT_THAT(b.Tops(Ctl::Picture1, 7, 10), ElementsAre(113, 113, 113, 113));
    }
    EXPECT_EQ(b.board.Get(Ctl::Label3, 0).Top, ToTwips(230) - 100)
        << "the HOLD box sits 100 twips above its row";
    EXPECT_EQ(b.Top(Ctl::Stack, 25), 352) << "the side frames follow the side pile";
    EXPECT_EQ(b.Left(Ctl::ImgHold), b.Left(Ctl::Stack, 25));
    EXPECT_EQ(b.Top(Ctl::ImgHold), 352);
    if (!twoPlayers) {
        EXPECT_EQ(b.Left(Ctl::Label9, 2), b.Left(Ctl::Label10) + b.Width(Ctl::Label10));
        EXPECT_EQ(b.Width(Ctl::Label9, 2), 142);
    }

    b.layout.ChangeDisplay(0);
    EXPECT_EQ(b.game.DisplaySize, 0);
    EXPECT_EQ(b.layout.State().DisplayMenu.RowsCaption, "Move Cards Up");
    EXPECT_THAT(b.Tops(Ctl::Picture7, 1, 6), ElementsAre(392, 392, 392, 392, 392, 392));
    EXPECT_THAT(b.Tops(Ctl::Picture7, 7, 10), ElementsAre(273, 273, 273, 273));
    if (twoPlayers) {
        EXPECT_THAT(b.Tops(Ctl::Picture1, 7, 10), ElementsAre(128, 128, 128, 128));
    }
    EXPECT_EQ(b.Top(Ctl::Stack, 25), 392);
}

INSTANTIATE_TEST_SUITE_P(Boards, CardRowsTest,
                         ::testing::Values(RowsCase{2, 3}, RowsCase{2, 4}, RowsCase{3, 4}, RowsCase{4, 4}));

TEST(DisplaySize, ARowsChangeFromTheRaisedRowsLowersThemBeforeShrinking) {
    LaidOutBoard b(2, 3);
    b.layout.ChangeDisplay(0);
    b.layout.ChangeDisplay(1);
    EXPECT_EQ(b.game.DisplaySize, 2);
    EXPECT_EQ(b.layout.State().DisplayMenu.RowsCaption, "Move Cards Up");
    EXPECT_FALSE(b.layout.State().DisplayMenu.RowsEnabled);
    EXPECT_EQ(b.layout.State().DisplayMenu.SizeCaption, "Make Display Larger");
    EXPECT_DOUBLE_EQ(b.Top(Ctl::Picture7, 2), 392 * 0.8) << "the hand row came down before the shrink";
}

TEST(DisplaySize, OnlyTheFinalStepsRunForOtherActions) {
    LaidOutBoard b(2, 3);
    b.host.Calls.clear();
    b.layout.ChangeDisplay(5);
    EXPECT_EQ(b.game.DisplaySize, 0);
    EXPECT_EQ(b.layout.State().DisplayMenu.SizeCaption, "Make Display Smaller");
    EXPECT_FALSE(b.host.Called("ApplyTableLook"));
    EXPECT_EQ(b.Top(Ctl::Label9, 3), 392 + 96 + 100.0 / 15);
    EXPECT_TRUE(b.board.Window().PaintingOn);
}

TEST(DisplaySize, ShrinkingTheTwoPlayerBoardScalesItByFourFifths) {
    LaidOutBoard b(2, 3);
    b.layout.ChangeDisplay(1);
    EXPECT_EQ(b.game.DisplaySize, 2);
    EXPECT_TRUE(b.Visible(Ctl::Label1));
    EXPECT_EQ(b.layout.State().CardW, 59);
    for (int slot = 1; slot <= 10; ++slot) {
        EXPECT_EQ(b.Width(Ctl::Picture7, slot), 59);
        EXPECT_EQ(b.Height(Ctl::Picture1, slot), 80);
    }
    EXPECT_EQ(b.Width(Ctl::Stack, 50), 59);
    EXPECT_EQ(b.Width(Ctl::ImgHold), 59);
    EXPECT_EQ(b.board.Get(Ctl::ImgHold).Picture, "back:small");
    const std::vector<double> hand{266 * 0.8, 346 * 0.8, 426 * 0.8, 506 * 0.8, 586 * 0.8};
    for (int k = 2; k <= 6; ++k) EXPECT_DOUBLE_EQ(b.Left(Ctl::Picture7, k), hand[k - 2]);
    EXPECT_DOUBLE_EQ(b.Left(Ctl::PicCenter, 3), 293 * 0.8);
    EXPECT_DOUBLE_EQ(b.board.Get(Ctl::Label9, 1).FontSize, 8.0) << "message fonts shrink too";
    EXPECT_EQ(b.board.Get(Ctl::Label9, 2).FontSize, b.layout.State().LabelFontSize);
}

struct DropSpanCase {
    int players;
    int shrunkSpan, shrunkHalf;
};

class DropSpanTest : public ::testing::TestWithParam<DropSpanCase> {};

// The drop zone follows the two-player board through its size steps and comes back to the
// large board's 82 / 41 after every enlarge.
TEST_P(DropSpanTest, DropZoneFollowsTheSizeSteps) {
    LaidOutBoard b(GetParam().players);
    const LayoutState& st = b.layout.State();
    for (int cycle = 0; cycle < 2; ++cycle) {
        b.layout.ChangeDisplay(1);
        EXPECT_EQ(st.DropSpan, GetParam().shrunkSpan);
        EXPECT_EQ(st.DropSpanHalf, GetParam().shrunkHalf);
        b.layout.ChangeDisplay(1);
        EXPECT_EQ(st.DropSpan, 82);
        EXPECT_EQ(st.DropSpanHalf, 41);
    }
}

INSTANTIATE_TEST_SUITE_P(Boards, DropSpanTest,
                         ::testing::Values(DropSpanCase{2, 66, 33}, DropSpanCase{3, 82, 41},
                                           DropSpanCase{4, 82, 41}));

struct Geometry {
    bool loaded;
    double left, top, width, height, fontSize;
    friend bool operator==(const Geometry&, const Geometry&) = default;
};

std::map<std::string, Geometry> Snapshot(const BoardModel& board) {
    std::map<std::string, Geometry> out;
    for (const ControlFamily& f : BoardFamilies)
        for (int i = 0; i < f.Capacity; ++i) {
            const Control& c = board.Get(f.Family, i);
            if (c.Loaded)
                out[std::string(ControlName(f.Family)) + "(" + std::to_string(i) + ")"] =
                    Geometry{true, c.Left, c.Top, c.Width, c.Height, c.FontSize};
        }
    const BoardWindow& w = board.Window();
    out["window"] = Geometry{true, w.Left, w.Top, w.Width, w.Height, w.FontSize};
    out["board size"] = Geometry{true, 0, 0, double(w.BoardWidth), double(w.BoardHeight), 0};
    return out;
}

class RoundTripTest : public ::testing::TestWithParam<RowsCase> {};

TEST_P(RoundTripTest, ShrinkThenEnlargeGivesBackTheSameBoard) {
    LaidOutBoard b(GetParam().players, GetParam().centers);
    b.layout.ChangeDisplay(5); // the window fitted to the board, as start-up leaves it
    const auto before = Snapshot(b.board);
    b.layout.ChangeDisplay(1);
    ASSERT_EQ(b.game.DisplaySize, 2);
    ASSERT_NE(Snapshot(b.board), before);
    b.layout.ChangeDisplay(1);
    EXPECT_EQ(b.game.DisplaySize, 0);
    EXPECT_EQ(b.layout.State().CardW, 71);
    EXPECT_EQ(b.layout.State().DisplayMenu.SizeCaption, "Make Display Smaller");
    EXPECT_TRUE(b.layout.State().DisplayMenu.RowsEnabled);
    const auto after = Snapshot(b.board);
    for (const auto& [name, geometry] : before) {
        const auto found = after.find(name);
        ASSERT_NE(found, after.end()) << name;
        EXPECT_EQ(found->second, geometry)
            << name << " left " << ToPixels(found->second.left) << " vs " << ToPixels(geometry.left)
            << ", top " << ToPixels(found->second.top) << " vs " << ToPixels(geometry.top);
    }
    EXPECT_EQ(after.size(), before.size());
}

INSTANTIATE_TEST_SUITE_P(Boards, RoundTripTest,
                         ::testing::Values(RowsCase{2, 3}, RowsCase{2, 4}, RowsCase{3, 4}, RowsCase{4, 4}));

TEST(DisplaySize, EnlargingOnASmallScreenKeepsTheRowsCommandOff) {
    LaidOutBoard b(2, 3, 9600);
    b.layout.ChangeDisplay(1);
    b.board.EditWindow().Left = 300;
    b.layout.ChangeDisplay(1);
    EXPECT_FALSE(b.layout.State().DisplayMenu.RowsEnabled);
    EXPECT_EQ(b.board.Window().Left, 0);
    EXPECT_EQ(b.board.Window().Top, 0);
}

// Small cards beside the opponents: the human's side pile rises by a third of a card, the hand
// cards touch and the hold piles stand 3 pixels apart; the second center column closes up.
TEST(SmallMultiPlayerBoard, HumanRowTurnsCompact) {
    for (const int players : {3, 4}) {
        LaidOutBoard b(players);
        b.layout.ChangeDisplay(1);
        EXPECT_EQ(b.Left(Ctl::Picture7, 1), 344.25);
        EXPECT_DOUBLE_EQ(b.Top(Ctl::Picture7, 1), 392 - 80.0 / 3);
        EXPECT_THAT(b.Lefts(Ctl::Picture7, 2, 6), ElementsAre(439, 498, 557, 616, 675));
        for (int k = 2; k <= 6; ++k) EXPECT_DOUBLE_EQ(b.Top(Ctl::Picture7, k), 392 - 80.0 / 3);
        EXPECT_THAT(b.Lefts(Ctl::Picture7, 7, 10), ElementsAre(433, 495, 557, 619));
        EXPECT_EQ(b.Width(Ctl::Picture7, 7), 59);
        EXPECT_EQ(b.Width(Ctl::Label3, 0), 262);
        EXPECT_EQ(b.Height(Ctl::Label3, 0), 93);
        EXPECT_THAT(b.Lefts(Ctl::PicCenter, 1, 4), ElementsAre(126, 192, 126, 192));
        EXPECT_THAT(b.Tops(Ctl::PicCenter, 1, 4), ElementsAre(213, 213, 299, 299));
        EXPECT_EQ(b.Width(Ctl::PicCenter, 4), 59);
        EXPECT_EQ(b.Left(Ctl::Stack, 25), 341.25);
    }
}

struct SmallPanel {
    int players;
    Ctl pictures;
    std::vector<double> hand;
};

class SmallPanelTest : public ::testing::TestWithParam<SmallPanel> {};

// Laid out again with small human cards (as a change of preferences does), the human's row
// keeps its anchors and the opponents' hands fan in 15-pixel steps.
TEST_P(SmallPanelTest, OpponentHandsFanByAQuarterOfASmallCard) {
    const SmallPanel& p = GetParam();
    LaidOutBoard b(3);
    b.layout.ChangeDisplay(1);
    b.game.NumPlayers = static_cast<int16_t>(p.players);
    b.layout.LayoutMulti(p.players);
    EXPECT_EQ(b.Left(Ctl::Picture7, 1), 359.25);
    EXPECT_THAT(b.Lefts(p.pictures, 2, 6), ElementsAreArray(p.hand));
    EXPECT_EQ(b.Top(p.pictures, 7), 8 + 80);
}

INSTANTIATE_TEST_SUITE_P(EveryPanel, SmallPanelTest,
                         ::testing::Values(SmallPanel{3, Ctl::Picture1, {305, 320, 335, 350, 365}},
                                           SmallPanel{3, Ctl::Picture2, {635, 650, 665, 680, 695}},
                                           SmallPanel{4, Ctl::Picture1, {117, 132, 147, 162, 177}},
                                           SmallPanel{4, Ctl::Picture2, {381, 396, 411, 426, 441}},
                                           SmallPanel{4, Ctl::Picture3, {645, 660, 675, 690, 705}}));

TEST(SmallDisplay, ANewLayoutKeepsTheDisplaySmall) {
    LaidOutBoard b(2, 3);
    b.layout.ChangeDisplay(1);
    b.Relayout(2, 4);
    EXPECT_EQ(b.game.DisplaySize, 2);
    EXPECT_EQ(b.layout.State().DisplayMenu.SizeCaption, "Make Display Larger");
    EXPECT_EQ(b.Width(Ctl::Picture7, 2), 59);
    EXPECT_DOUBLE_EQ(b.Left(Ctl::Picture7, 2), 333 * 0.8) << "the four-center board, shrunk";
    EXPECT_DOUBLE_EQ(b.Top(Ctl::PicCenter, 3), 255 * 0.8);

    b.Relayout(4, 4);
    EXPECT_EQ(b.game.DisplaySize, 2);
    EXPECT_THAT(b.Lefts(Ctl::Picture7, 2, 6), ElementsAre(439, 498, 557, 616, 675));
    EXPECT_EQ(b.Width(Ctl::Picture3, 2), 59);
}

TEST(RaisedRows, ANewLayoutKeepsTheRowsUp) {
    for (const RowsCase to : {RowsCase{2, 3}, RowsCase{2, 4}, RowsCase{4, 4}}) {
        SCOPED_TRACE(to.players * 10 + to.centers);
        LaidOutBoard b(2, 3);
        b.layout.ChangeDisplay(0);
        b.Relayout(to.players, to.centers);
        EXPECT_EQ(b.game.DisplaySize, 1);
        EXPECT_EQ(b.layout.State().DisplayMenu.RowsCaption, "Move Cards Down");
        EXPECT_THAT(b.Tops(Ctl::Picture7, 1, 6), ElementsAre(352, 352, 352, 352, 352, 352));
        EXPECT_THAT(b.Tops(Ctl::Picture7, 7, 10), ElementsAre(230, 230, 230, 230));
    }
}

} // namespace
} // namespace zarle::test
