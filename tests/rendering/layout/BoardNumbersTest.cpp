// Where every board puts the piles, with large cards and the rows down.

#include "tests/rendering/layout/LayoutFixture.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace zarle::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct HumanRow {
    int players, centers;
    double sidePile;
    std::vector<double> hand, hold;
};

class HumanRowTest : public ::testing::TestWithParam<HumanRow> {};

TEST_P(HumanRowTest, PilesSitOnTheBoardsAnchors) {
    const HumanRow& row = GetParam();
    LaidOutBoard b(row.players, row.centers);
    EXPECT_EQ(b.Left(Ctl::Picture7, 1), row.sidePile);
    EXPECT_EQ(b.Top(Ctl::Picture7, 1), 392);
    EXPECT_THAT(b.Lefts(Ctl::Picture7, 2, 6), ElementsAreArray(row.hand));
    EXPECT_THAT(b.Tops(Ctl::Picture7, 2, 6), ElementsAre(392, 392, 392, 392, 392));
    EXPECT_THAT(b.Lefts(Ctl::Picture7, 7, 10), ElementsAreArray(row.hold));
    EXPECT_THAT(b.Tops(Ctl::Picture7, 7, 10), ElementsAre(273, 273, 273, 273));
    for (int slot = 1; slot <= 10; ++slot) {
        EXPECT_EQ(b.Width(Ctl::Picture7, slot), 71);
        EXPECT_EQ(b.Height(Ctl::Picture7, slot), 96);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryBoard, HumanRowTest,
    ::testing::Values(HumanRow{2, 3, 177.25, {266, 346, 426, 506, 586}, {400, 480, 560, 640}},
                      HumanRow{2, 4, 244.25, {333, 413, 493, 573, 653}, {400, 480, 560, 640}},
                      HumanRow{3, 4, 344.25, {433, 505, 577, 649, 721}, {433, 513, 593, 673}},
                      HumanRow{4, 4, 344.25, {433, 505, 577, 649, 721}, {433, 513, 593, 673}}));

struct CenterBlock {
    int players, centers;
    std::vector<double> lefts, tops;
};

class CenterBlockTest : public ::testing::TestWithParam<CenterBlock> {};

TEST_P(CenterBlockTest, CentersLieInsideTheirBox) {
    const CenterBlock& block = GetParam();
    LaidOutBoard b(block.players, block.centers);
    const int n = static_cast<int>(block.lefts.size());
    EXPECT_THAT(b.Lefts(Ctl::PicCenter, 1, n), ElementsAreArray(block.lefts));
    EXPECT_THAT(b.Tops(Ctl::PicCenter, 1, n), ElementsAreArray(block.tops));
    EXPECT_EQ(b.Loaded(Ctl::PicCenter, 4), block.centers == 4);
    EXPECT_EQ(b.game.CentersDimmed, block.centers == 4);
    for (int c = 1; c <= n; ++c) {
        SCOPED_TRACE(testing::Message() << "center " << c);
        EXPECT_GT(b.Left(Ctl::PicCenter, c), b.Left(Ctl::Label10));
        EXPECT_GT(b.Top(Ctl::PicCenter, c), b.Top(Ctl::Label10));
        EXPECT_LT(b.Left(Ctl::PicCenter, c) + 71, b.Left(Ctl::Label10) + b.Width(Ctl::Label10));
        EXPECT_LT(b.Top(Ctl::PicCenter, c) + 96, b.Top(Ctl::Label10) + b.Height(Ctl::Label10));
    }
    // The wild labels of the top row (and of the third center in a row) stand over the right end of
    // their piles, clear of the box's caption at its left end.
    for (int c = 1; c <= std::min(n, 3); ++c)
        EXPECT_EQ(b.Left(Ctl::LblWild, c) + b.Width(Ctl::LblWild, c), b.Left(Ctl::PicCenter, c) + 71 + 3);
}

INSTANTIATE_TEST_SUITE_P(EveryBoard, CenterBlockTest,
                         ::testing::Values(CenterBlock{2, 3, {133, 213, 293}, {202, 202, 202}},
                                           CenterBlock{2, 4, {166, 247, 166, 247}, {153, 153, 255, 255}},
                                           CenterBlock{3, 4, {126, 207, 126, 207}, {213, 213, 315, 315}},
                                           CenterBlock{4, 4, {126, 207, 126, 207}, {213, 213, 315, 315}}));

TEST(SeatTwoRow, TwoPlayerBoardGivesSeatTwoAFullRow) {
    for (const int centers : {3, 4}) {
        LaidOutBoard b(2, centers);
        EXPECT_EQ(b.Left(Ctl::Picture1, 1), 151.25);
        EXPECT_EQ(b.Top(Ctl::Picture1, 1), 6);
        EXPECT_THAT(b.Lefts(Ctl::Picture1, 2, 6), ElementsAre(240, 320, 400, 480, 560));
        EXPECT_THAT(b.Tops(Ctl::Picture1, 2, 6), ElementsAre(6, 6, 6, 6, 6));
        EXPECT_THAT(b.Lefts(Ctl::Picture1, 7, 10), ElementsAre(400, 480, 560, 640));
        EXPECT_THAT(b.Tops(Ctl::Picture1, 7, 10), ElementsAre(128, 128, 128, 128));
        EXPECT_EQ(b.Width(Ctl::Picture1, 2), 71);
    }
}

struct OpponentPanel {
    int players;
    Ctl pictures;
    double sidePile;
    std::vector<double> hand;
};

class OpponentPanelTest : public ::testing::TestWithParam<OpponentPanel> {};

TEST_P(OpponentPanelTest, HandFansOutBelowTheSidePile) {
    const OpponentPanel& p = GetParam();
    LaidOutBoard b(p.players);
    EXPECT_EQ(b.Left(p.pictures, 1), p.sidePile);
    EXPECT_EQ(b.Top(p.pictures, 1), 5);
    EXPECT_THAT(b.Lefts(p.pictures, 2, 6), ElementsAreArray(p.hand));
    EXPECT_THAT(b.Tops(p.pictures, 2, 6), ElementsAre(8, 11, 14, 17, 20));
    EXPECT_EQ(b.Top(p.pictures, 7), 104);
    // Hold piles run from the seat's lowest frame, CardW - 10 apart, at one height.
    const int lowestFrame = p.pictures == Ctl::Picture1 ? 26 : p.pictures == Ctl::Picture2 ? 51 : 76;
    EXPECT_EQ(b.Left(p.pictures, 7), b.Left(Ctl::Stack, lowestFrame) + 8);
    for (int k = 8; k <= 10; ++k) {
        EXPECT_EQ(b.Left(p.pictures, k), b.Left(p.pictures, k - 1) + 61);
        EXPECT_EQ(b.Top(p.pictures, k), 104);
    }
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(b.Width(p.pictures, k), 59);
        EXPECT_EQ(b.Height(p.pictures, k), 80);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPanel, OpponentPanelTest,
                         ::testing::Values(OpponentPanel{3, Ctl::Picture1, 250, {314, 332, 350, 368, 386}},
                                           OpponentPanel{3, Ctl::Picture2, 580, {644, 662, 680, 698, 716}},
                                           OpponentPanel{4, Ctl::Picture1, 63, {126, 144, 162, 180, 198}},
                                           OpponentPanel{4, Ctl::Picture2, 326, {390, 408, 426, 444, 462}},
                                           OpponentPanel{4, Ctl::Picture3, 590, {654, 672, 690, 708, 726}}));

struct SeatFrames {
    Ctl pictures;
    int group;
    int caption; // Label9 index following the lowest frame, -1 for none
};

TEST(SideFrames, EachSeatFansItsFramesTwoAndAQuarterPixelsApart) {
    for (const int players : {2, 3, 4}) {
        LaidOutBoard b(players);
        std::vector<SeatFrames> seats{{Ctl::Picture7, 25, -1}, {Ctl::Picture1, 50, 4}};
        if (players >= 3) seats.push_back({Ctl::Picture2, 75, 5});
        if (players == 4) seats.push_back({Ctl::Picture3, 100, 6});
        for (const SeatFrames& s : seats) {
            SCOPED_TRACE(testing::Message() << players << " players, group " << s.group);
            EXPECT_EQ(b.Left(Ctl::Stack, s.group), b.Left(s.pictures, 1) - 3);
            for (int k = s.group; k > s.group - 24; --k) {
                ASSERT_TRUE(b.Loaded(Ctl::Stack, k - 1));
                EXPECT_EQ(b.Left(Ctl::Stack, k) - b.Left(Ctl::Stack, k - 1), 2.25);
                EXPECT_EQ(b.Top(Ctl::Stack, k - 1), b.Top(s.pictures, 1));
            }
            EXPECT_EQ(b.Left(Ctl::Stack, s.group) - b.Left(Ctl::Stack, s.group - 24), 54);
            if (s.caption >= 0) {
                EXPECT_EQ(b.Left(Ctl::Label9, s.caption), b.Left(Ctl::Stack, s.group - 24));
            }
        }
        const double opponentFrameW = players == 2 ? 71 : 59;
        EXPECT_EQ(b.Width(Ctl::Stack, 26), opponentFrameW);
        EXPECT_EQ(b.Width(Ctl::Stack, 1), 71);
    }
}

TEST(SideFrames, FramesShowTheCardsUnderTheTopCard) {
    LaidOutBoard b(4);
    b.game.WorkSidePos = 99; // no deal yet since start-up
    b.layout.ShowFrames(true);
    EXPECT_FALSE(b.Visible(Ctl::Stack, 25));

    b.game.WorkSidePos = 0;
    b.game.SidePos = 25 - 19;         // a 20-card side pile: 19 frames
    b.game.SeatRec1.SidePos = 50 - 9; // a 10-card side pile: 9 frames
    b.game.SeatRec2.SidePos = 75;     // an empty side pile: none
    b.game.SeatRec3.SidePos = -40;    // a broken record shows no other seat's frames
    b.layout.ShowFrames(true);
    for (int k = 1; k <= 100; ++k) {
        const bool shown = (k >= 7 && k <= 25) || (k >= 42 && k <= 50) || k >= 76;
        EXPECT_EQ(b.Visible(Ctl::Stack, k), shown) << "frame " << k;
    }
    b.layout.ShowFrames(false);
    for (int k = 1; k <= 100; ++k) EXPECT_FALSE(b.Visible(Ctl::Stack, k)) << "frame " << k;
}

struct Rect {
    double left, top, right, bottom;
};

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

struct Board {
    int players, centers;
    bool small;
};

class ApartTest : public ::testing::TestWithParam<Board> {};

// The human's piles, the centers and each opponent's piles keep clear of one another.
TEST_P(ApartTest, PileGroupsDoNotOverlap) {
    const Board& board = GetParam();
    LaidOutBoard b(board.players, board.centers);
    if (board.small) b.layout.ChangeDisplay(1);
    ASSERT_EQ(b.game.DisplaySize, board.small ? 2 : 0);

    std::vector<std::pair<std::string, std::vector<Rect>>> groups;
    const auto pile = [&](Ctl family, int index) {
        return Rect{b.Left(family, index), b.Top(family, index),
                    b.Left(family, index) + b.Width(family, index),
                    b.Top(family, index) + b.Height(family, index)};
    };
    const auto seat = [&](const char* name, Ctl family) {
        std::vector<Rect> piles;
        for (int k = 1; k <= 10; ++k) piles.push_back(pile(family, k));
        groups.emplace_back(name, piles);
    };
    seat("human", Ctl::Picture7);
    seat("seat 2", Ctl::Picture1);
    if (board.players >= 3) seat("seat 3", Ctl::Picture2);
    if (board.players == 4) seat("seat 4", Ctl::Picture3);
    std::vector<Rect> centers;
    for (int c = 1; c <= board.centers; ++c) centers.push_back(pile(Ctl::PicCenter, c));
    groups.emplace_back("centers", centers);

    for (size_t g = 0; g < groups.size(); ++g)
        for (size_t h = g + 1; h < groups.size(); ++h)
            for (const Rect& r : groups[g].second)
                for (const Rect& s : groups[h].second)
                    EXPECT_FALSE(Overlap(r, s)) << groups[g].first << " against " << groups[h].first << " at "
                                                << r.left << "," << r.top << " / " << s.left << "," << s.top;
    // The human's own piles never cover each other either.
    const std::vector<Rect>& human = groups[0].second;
    for (size_t i = 0; i < human.size(); ++i)
        for (size_t j = i + 1; j < human.size(); ++j)
            EXPECT_FALSE(Overlap(human[i], human[j])) << i + 1 << "/" << j + 1;
}

INSTANTIATE_TEST_SUITE_P(EveryBoard, ApartTest,
                         ::testing::Values(Board{2, 3, false}, Board{2, 4, false}, Board{3, 4, false},
                                           Board{4, 4, false}, Board{2, 3, true}, Board{2, 4, true},
                                           Board{3, 4, true}, Board{4, 4, true}));

} // namespace
} // namespace zarle::test
