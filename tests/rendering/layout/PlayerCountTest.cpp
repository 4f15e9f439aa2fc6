// Changing the number of players: seats 3 and 4 come and go with their pictures, frames, boxes
// and captions, and the board never depends on what it showed before.

#include "tests/rendering/layout/LayoutFixture.h"

#include <gmock/gmock.h>

#include <cmath>
#include <map>
#include <ostream>

namespace zarle::test {
namespace {

void ExpectSeatPanel(const LaidOutBoard& b, Ctl pictures, int firstFrame, int box, bool present) {
    SCOPED_TRACE(ControlName(pictures));
    for (int k = 2; k <= 10; ++k) EXPECT_EQ(b.Loaded(pictures, k), present) << "picture " << k;
    for (int k = firstFrame; k < firstFrame + 25; ++k)
        EXPECT_EQ(b.Loaded(Ctl::Stack, k), present) << "frame " << k;
    EXPECT_EQ(b.Loaded(Ctl::Label3, box), present);
    EXPECT_EQ(b.Loaded(Ctl::Label9, box + 3), present);
    EXPECT_TRUE(b.Loaded(pictures, 1)) << "the first picture is part of the design";
    EXPECT_FALSE(b.Visible(pictures, 1));
}

TEST(PlayerCount, FourToTwoRemovesBothExtraPanels) {
    for (const int centers : {3, 4}) {
        LaidOutBoard b(4);
        b.Relayout(2, centers);
        ExpectSeatPanel(b, Ctl::Picture2, 51, 2, false);
        ExpectSeatPanel(b, Ctl::Picture3, 76, 3, false);
        EXPECT_FALSE(b.game.Seat3Shown);
        EXPECT_FALSE(b.game.Seat4Shown);
        EXPECT_EQ(b.Loaded(Ctl::PicCenter, 4), centers == 4);
        EXPECT_EQ(b.Loaded(Ctl::LblWild, 4), centers == 4);
        EXPECT_TRUE(b.Visible(Ctl::lblHoldCard, 1)) << "hold counts show in the two-player board";
    }
}

TEST(PlayerCount, FourToThreeRemovesOnlySeatFour) {
    LaidOutBoard b(4);
    b.Relayout(3, 4);
    ExpectSeatPanel(b, Ctl::Picture2, 51, 2, true);
    ExpectSeatPanel(b, Ctl::Picture3, 76, 3, false);
    EXPECT_TRUE(b.game.Seat3Shown);
    EXPECT_FALSE(b.game.Seat4Shown);
    EXPECT_EQ(b.Left(Ctl::Picture2, 1), 580);
    EXPECT_EQ(b.Left(Ctl::Picture1, 1), 250);
    EXPECT_EQ(b.game.DeckSize, 156);
    EXPECT_FALSE(b.Visible(Ctl::lblHoldCard, 1));
}

TEST(PlayerCount, SeatsAreLoadedOnceAndKeptWhileTheyStay) {
    LaidOutBoard b(3);
    b.Relayout(4, 4);
    ExpectSeatPanel(b, Ctl::Picture3, 76, 3, true);
    b.board.Edit(Ctl::Stack, 76).ToolTip = "kept";
    b.board.Edit(Ctl::Picture2, 5).ToolTip = "kept";
    b.Relayout(4, 4);
    EXPECT_EQ(b.board.Get(Ctl::Stack, 76).ToolTip, "kept");
    EXPECT_EQ(b.board.Get(Ctl::Picture2, 5).ToolTip, "kept");
    EXPECT_TRUE(b.board.Get(Ctl::Label9, 6).FontItalic);
    EXPECT_EQ(b.board.Get(Ctl::Label9, 6).FontSize, b.board.Get(Ctl::Label9, 4).FontSize);
    EXPECT_EQ(b.Top(Ctl::Label9, 6), 85) << "seat 4's caption sits under its side pile";
}

struct Place {
    double left, top, width, height, fontSize;
    // Scaled by 4/5 and back by 5/4 on one path but not on the other: equal within rounding.
    friend bool operator==(const Place& a, const Place& b) {
        const auto near = [](double x, double y) { return std::abs(x - y) < 1e-6; };
        return near(a.left, b.left) && near(a.top, b.top) && near(a.width, b.width) &&
               near(a.height, b.height) && near(a.fontSize, b.fontSize);
    }
    friend std::ostream& operator<<(std::ostream& out, const Place& p) {
        return out << ToPixels(p.left) << "," << ToPixels(p.top) << " " << ToPixels(p.width) << "x"
                   << ToPixels(p.height) << " font " << p.fontSize;
    }
};

// The loaded controls, but for the side piles of seats not at the table: those stay hidden
// wherever they were left.
std::map<std::string, Place> LoadedPlaces(const BoardModel& board, int players) {
    std::map<std::string, Place> out;
    board.ForEachLoaded([&](ControlId id, ControlKind, const Control& c) {
        if ((id.family == Ctl::Picture2 && players < 3) || (id.family == Ctl::Picture3 && players < 4))
            return;
        out[std::string(ControlName(id.family)) + "(" + std::to_string(id.index) + ")"] =
            Place{c.Left, c.Top, c.Width, c.Height, c.FontSize};
    });
    return out;
}

struct Counts {
    int players, centers;
};

// A board laid out after any other board equals one laid out fresh, with large cards or small:
// the two-player board shrinks the whole window for small cards, the others only the human's piles.
TEST(PlayerCount, ABoardDoesNotDependOnTheOneBefore) {
    const Counts boards[] = {{2, 3}, {2, 4}, {3, 4}, {4, 4}};
    for (const bool small : {false, true}) {
        for (const Counts& target : boards) {
            LaidOutBoard fresh(target.players, target.centers);
            if (small) fresh.layout.ChangeDisplay(1);
            for (const Counts& previous : boards) {
                SCOPED_TRACE(testing::Message()
                             << (small ? "small " : "large ") << previous.players << "/" << previous.centers
                             << " -> " << target.players << "/" << target.centers);
                LaidOutBoard b(previous.players, previous.centers);
                if (small) b.layout.ChangeDisplay(1);
                b.Relayout(target.players, target.centers);
                EXPECT_EQ(b.game.DisplaySize, fresh.game.DisplaySize);
                const auto expected = LoadedPlaces(fresh.board, target.players);
                const auto actual = LoadedPlaces(b.board, target.players);
                for (const auto& [name, place] : expected) {
                    const auto found = actual.find(name);
                    ASSERT_NE(found, actual.end()) << name << " is missing";
                    EXPECT_EQ(found->second, place) << name;
                }
                for (const auto& [name, place] : actual)
                    EXPECT_TRUE(expected.count(name)) << name << " is left over";
            }
        }
    }
}

// The centers' contents go with a new layout only where the arrays are dimensioned again: with
// small cards, and whenever the fourth center is created anew.
TEST(PlayerCount, CenterPilesSurviveANewLayoutOnlyWhereTheArraysStay) {
    struct Case {
        int fromPlayers, fromCenters, toPlayers;
        bool small, kept;
    };
    const Case cases[] = {
        {3, 4, 4, false, true},
        {4, 4, 3, false, true},
        {3, 4, 4, true, false},
        {2, 3, 3, false, false}, // the fourth center is created
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.fromPlayers << " -> " << c.toPlayers << (c.small ? " small" : ""));
        LaidOutBoard b(c.fromPlayers, c.fromCenters);
        if (c.small) b.layout.ChangeDisplay(1);
        b.game.CenterCount[1] = 2;
        b.game.CenterCards[1][2] = CardOfId(15);
        b.Relayout(c.toPlayers, 4);
        EXPECT_EQ(b.game.CenterCount[1], c.kept ? 2 : 0);
        EXPECT_EQ(b.game.CenterCards[1][2], c.kept ? CardOfId(15) : CardRec{});
    }
}

TEST(PlayerCount, OddCountsDoNotBreakTheBoard) {
    for (const int players : {0, 1, 5, -3}) {
        LaidOutBoard b(players);
        b.game.SidePos = -100;
        b.game.WorkSidePos = 0;
        b.layout.ShowFrames(true);
        b.layout.Redraw();
        b.Relayout(2, 3);
        EXPECT_EQ(b.Left(Ctl::Picture7, 1), 177.25);
    }
}

} // namespace
} // namespace zarle::test
