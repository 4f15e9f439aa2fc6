// The scores viewer on real files: the player's own 2-player file first, "Next ->" to the next
// player, a line-up chosen by a click and deleted, and a whole file deleted.

#include "tests/support/engine/FakeServices.h"
#include "network/scores/NetScoreFiles.h"
#include "network/scores/NetScoreLists.h"
#include "base/records/RecordFile.h"
#include "tests/support/TempFolder.h"
#include "network/scores/frmScoresNet.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace zarle {
namespace {

class ScoresViewerTest : public ::testing::Test, protected testing::TempFolder {
  protected:
    void SetUp() override {
        s.AppPath = Path("").string();
        s.PlayerName = "Bob";
        Make("Alice_2.ran", {{"Alice", 2, 1, 1, 3}, {"zed", 1, 1, 4, 3}, {"Bob", 1, 0, -3, 3}});
        Make("Alice_3.ran", {{"Alice", 2, 1, 0, 5},
                             {"Alice", 1, 1, 3, 2},
                             {"Bob", 1, 0, -3, 2},
                             {"Carol", 1, 0, -3, 2},
                             {"Alice", 1, 0, -3, 5},
                             {"Bob", 1, 1, 3, 5},
                             {"Dave", 1, 0, -3, 5}});
        Make("Bob_2.ran", {{"Bob", 1, 1, 3, 2}, {"Alice", 1, 1, 3, 2}});
        ReadUsers();
    }
    void Make(const char* name, std::vector<NetScoreRecord> records) {
        std::filesystem::create_directories(Path("users"));
        RecordFile file(Path("users") / name, NetScoreRecord::Size, RecordFile::Access::Create);
        for (size_t i = 0; i < records.size(); ++i) WriteRecord(file, int64_t(i + 1), records[i]);
    }
    void ReadUsers() {
        profile.UserList.clear();
        for (const auto& e : std::filesystem::directory_iterator(Path("users")))
            if (e.path().extension() == ".ran") profile.UserList.push_back(e.path().stem().string());
        std::ranges::sort(profile.UserList);
    }
    static QString Cell(frmScoresNet& w, int row, int column) {
        const auto* item = w.GridNET->item(row - 1, column);
        return item ? item->text() : QString();
    }
    static void ClickCell(frmScoresNet& w, int row, int column) {
        auto* grid = w.GridNET;
        const QRect r = grid->visualRect(grid->model()->index(row - 1, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    }

    GameState s;
    ProfileState profile;
    testing::Transcript log;
    testing::FakeMessageBox box{log};
};

TEST_F(ScoresViewerTest, ShowsTheOwnFileFirstSortedThenTheNextPlayer) {
    frmScoresNet w(s, profile, box, [this] { ReadUsers(); });
    w.show();
    EXPECT_EQ(w.Label1->text(), "ZarleNET Player: Bob");
    EXPECT_EQ(Cell(w, 1, 0), "Alice");
    EXPECT_EQ(Cell(w, 1, 3), "0");
    QTest::mouseClick(w.CmdNext, Qt::LeftButton);
    EXPECT_EQ(w.Label1->text(), "ZarleNET Player: Alice");
    EXPECT_EQ((QStringList{Cell(w, 1, 0), Cell(w, 2, 0), Cell(w, 2, 4)}), (QStringList{"Bob", "zed", "4"}));
    QTest::mouseClick(w.CmdNext, Qt::LeftButton); // Alice's 3-player file is skipped
    EXPECT_EQ(w.Label1->text(), "ZarleNET Player: Bob");
}

TEST_F(ScoresViewerTest, ALineUpIsChosenByAnyOfItsNamesAndDeleted) {
    s.PlayerName = "Alice";
    frmScoresNet w(s, profile, box, [this] { ReadUsers(); });
    w.show();
    w.cboMulti->setCurrentIndex(1);
    emit w.cboMulti->activated(1);
    EXPECT_EQ((QStringList{Cell(w, 4, 0), Cell(w, 7, 0)}), (QStringList{" ", "Dave"}));
    ClickCell(w, 4, 0); // a separator
    EXPECT_EQ(w.SelectedRec(), 0);
    ClickCell(w, 6, 2); // a number
    EXPECT_EQ(w.SelectedRec(), 0);
    ClickCell(w, 7, 0);
    EXPECT_EQ(w.SelectedRec(), 5);
    box.Answers = {AnswerYes};
    QTest::mouseClick(w.Command4, Qt::LeftButton);
    const auto left = ReadNetScores(Path("users") / "Alice_3.ran", 3);
    ASSERT_EQ(left.size(), 4u);
    EXPECT_EQ(left[3].Name, "Carol");
    EXPECT_EQ(Cell(w, 5, 0), "");
}

TEST_F(ScoresViewerTest, DeletingWithoutAChoiceAsksForOneAndDeleteFileMovesOn) {
    frmScoresNet w(s, profile, box, [this] { ReadUsers(); });
    w.show();
    QTest::mouseClick(w.Command4, Qt::LeftButton);
    EXPECT_EQ(w.Label1->text(), "Select a player");
    EXPECT_TRUE(log.Lines().empty()) << log.Dump();

    box.Answers = {AnswerYes, AnswerOk};
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(Path("users") / "Bob_2.ran"));
    EXPECT_EQ(log.Containing("\"Score file eliminated.\" 48 \"DELETE Score File\"").size(), 1u) << log.Dump();
    EXPECT_EQ(w.Label1->text(), "ZarleNET Player: Alice");
}

TEST_F(ScoresViewerTest, DeletingAnOpponentOfATwoPlayerFile) {
    frmScoresNet w(s, profile, box, [this] { ReadUsers(); });
    w.show();
    QTest::mouseClick(w.CmdNext, Qt::LeftButton);
    ClickCell(w, 2, 0);
    box.Answers = {AnswerYes};
    QTest::mouseClick(w.Command4, Qt::LeftButton);
    const auto left = ReadNetScores(Path("users") / "Alice_2.ran", 2);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[1].Name, "Bob");
    EXPECT_EQ(Cell(w, 2, 0), "");
}

} // namespace
} // namespace zarle
