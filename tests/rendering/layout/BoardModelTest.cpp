// The control model: elements loaded and unloaded at run time, and the record of what changed.

#include "rendering/model/BoardModel.h"
#include "rendering/model/VbRound.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zarle {
namespace {

TEST(BoardModel, ALoadedElementIsAHiddenCopyOfTheLowestOneInFront) {
    BoardModel board;
    board.Load(Ctl::Label3, 0);
    Control& design = board.Edit(Ctl::Label3, 0);
    design.Visible = true;
    design.Caption = "HOLD piles";
    design.Width = 4860;
    board.Load(Ctl::Label3, 2);
    const Control& loaded = board.Get(Ctl::Label3, 2);
    EXPECT_TRUE(loaded.Loaded);
    EXPECT_FALSE(loaded.Visible);
    EXPECT_EQ(loaded.Caption, "HOLD piles");
    EXPECT_EQ(loaded.Width, 4860);
    EXPECT_GT(loaded.ZOrder, design.ZOrder);

    board.Edit(Ctl::Label3, 2).Caption = "kept";
    board.Load(Ctl::Label3, 2); // already there: nothing happens
    EXPECT_EQ(board.Get(Ctl::Label3, 2).Caption, "kept");

    board.Unload(Ctl::Label3, 2);
    EXPECT_FALSE(board.IsLoaded(Ctl::Label3, 2));
    EXPECT_FALSE(board.Get(Ctl::Label3, 2).Visible);
}

TEST(BoardModel, ChangesAreListedOnceUntilCleared) {
    BoardModel board;
    board.Load(Ctl::Stack, 3);
    board.ClearChanges();
    const uint64_t before = board.ChangeCount();
    board.Edit(Ctl::Stack, 3).Left = 10;
    board.Edit(Ctl::Stack, 3).Top = 20;
    board.Edit(Ctl::Label9, 1).Caption = "x";
    ASSERT_EQ(board.ChangedControls().size(), 2u);
    EXPECT_EQ(board.ChangedControls()[0], (ControlId{Ctl::Stack, 3}));
    EXPECT_EQ(board.ChangedControls()[1], (ControlId{Ctl::Label9, 1}));
    EXPECT_FALSE(board.WindowChanged());
    board.EditWindow().Width = 9000;
    EXPECT_TRUE(board.WindowChanged());
    EXPECT_GT(board.ChangeCount(), before);

    board.ClearChanges();
    EXPECT_TRUE(board.ChangedControls().empty());
    EXPECT_FALSE(board.WindowChanged());
}

TEST(BoardModel, ElementsOutsideAFamilyAreHarmless) {
    BoardModel board;
    board.Edit(Ctl::Stack, 101).Left = 5; // one past the last frame
    board.Edit(Ctl::Label9, -1).Caption = "nowhere";
    board.Edit(Ctl::lblHold, 0).Caption = "another window's"; // not a board control
    board.Load(Ctl::Picture7, 11);
    EXPECT_TRUE(board.ChangedControls().empty());
    EXPECT_FALSE(board.IsLoaded(Ctl::Stack, 101));
    EXPECT_EQ(board.Get(Ctl::Label9, -1).Caption, "");
    EXPECT_EQ(board.Edit(Ctl::Stack, 200).Left, 0) << "the scratch control starts empty each time";
}

TEST(VbRound, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{2.5, 2},    {3.5, 4},    {-0.5, 0},          {-1.5, -2},
                                            {17.75, 18}, {14.75, 15}, {108.5, 108},       {295.5, 296},
                                            {65.6, 66},  {82.5, 82},  {1e12, 2147483647}, {std::nan(""), 0}};
    for (const auto& [x, whole] : cases) EXPECT_EQ(VbRound(x), whole) << x;
}

} // namespace
} // namespace zarle
