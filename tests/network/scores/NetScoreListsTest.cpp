// The viewer's deletions on score files and the choice of a line-up from a grid row.

#include "network/scores/NetScoreLists.h"
#include "base/records/RecordFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace zarle {
namespace {

class NetScoreListsTest : public ::testing::Test, protected testing::TempFolder {
  protected:
    std::filesystem::path Make(const char* name, std::vector<NetScoreRecord> records) {
        const auto path = Path(name);
        RecordFile file(path, NetScoreRecord::Size, RecordFile::Access::Create);
        for (size_t i = 0; i < records.size(); ++i) WriteRecord(file, int64_t(i + 1), records[i]);
        return path;
    }
    static std::vector<std::string> Names(const std::vector<NetScoreRecord>& records) {
        std::vector<std::string> names;
        for (const auto& r : records) names.push_back(r.Name);
        return names;
    }
};

TEST_F(NetScoreListsTest, DeletingAnOpponentMovesTheLaterOnesDownAndKeepsTheOwnersTotals) {
    const auto path =
        Make("Alice_2.ran",
             {{"Alice", 3, 2, 9, 4}, {"Bob", 1, 1, 7, 2}, {"Carol", 1, 0, -2, 3}, {"Dave", 1, 1, 4, 4}});
    EXPECT_EQ(DeleteOpponent(path, "  CAROL "), DeleteOutcome::Deleted);
    const auto left = ReadNetScores(path, 2);
    EXPECT_EQ(Names(left), (std::vector<std::string>{"Alice", "Bob", "Dave"}));
    EXPECT_EQ(left[0], (NetScoreRecord{"Alice", 3, 2, 9, 3}));
    EXPECT_EQ(DeleteOpponent(path, "Carol"), DeleteOutcome::NotFound);

    EXPECT_EQ(DeleteOpponent(path, "bob"), DeleteOutcome::Deleted);
    EXPECT_EQ(DeleteOpponent(path, "dave"), DeleteOutcome::Deleted);
    EXPECT_EQ(ReadNetScores(path, 2), (std::vector<NetScoreRecord>{{"Alice", 3, 2, 9, 1}}));
}

TEST_F(NetScoreListsTest, DeletingALineUpGoesThroughTheScratchFile) {
    const auto path = Make("Alice_3.ran", {{"Alice", 2, 1, 0, 5},
                                           {"Alice", 1, 1, 3, 2},
                                           {"Bob", 1, 0, -3, 2},
                                           {"Carol", 1, 0, -3, 2},
                                           {"Alice", 1, 0, -3, 5},
                                           {"Bob", 1, 1, 3, 5},
                                           {"Dave", 1, 0, -3, 5}});
    EXPECT_EQ(DeleteLineUp(path, 2, 3), DeleteOutcome::Deleted);
    EXPECT_FALSE(std::filesystem::exists(Path("tempScore.ran")));
    const auto left = ReadNetScores(path, 3);
    EXPECT_EQ(Names(left), (std::vector<std::string>{"Alice", "Alice", "Bob", "Dave"}));
    EXPECT_EQ(left[0].LastRec, 2);
    EXPECT_EQ(DeleteLineUp(path, 5, 3), DeleteOutcome::NotFound);
    EXPECT_EQ(DeleteLineUp(path, 2, 3), DeleteOutcome::Deleted);
    EXPECT_EQ(ReadNetScores(path, 3), (std::vector<NetScoreRecord>{{"Alice", 2, 1, 0, 1}}));
}

TEST_F(NetScoreListsTest, AGridRowPicksItsLineUp) {
    struct Case {
        int row, players, firstRow, firstRec;
    };
    for (const auto c : {Case{1, 3, 1, 2}, Case{3, 3, 1, 2}, Case{5, 3, 5, 5}, Case{7, 3, 5, 5},
                         Case{11, 3, 9, 8}, Case{4, 4, 1, 2}, Case{6, 4, 6, 6}, Case{13, 4, 11, 10}}) {
        const auto pick = PickLineUp(c.row, c.players);
        EXPECT_EQ(pick.FirstRow, c.firstRow) << c.row << " of " << c.players;
        EXPECT_EQ(pick.FirstRec, c.firstRec) << c.row << " of " << c.players;
    }
}

TEST_F(NetScoreListsTest, CompetitionsBelongToTheWholeName) {
    Make("Al_2_Cup.rcm", {{"Al", 0, 0, 0, 1}});
    Make("Alice_2_Cup.rcm", {{"Alice", 0, 0, 0, 1}});
    Make("alice_3_Cup.rcm", {{"Alice", 0, 0, 0, 1}});
    Make("Alice_3_Spring.RCM", {{"Alice", 0, 0, 0, 1}});
    Make("Alice_2.ran", {{"Alice", 0, 0, 0, 1}});
    EXPECT_EQ(ListScoreFiles(Path(""), "Al"), std::vector<std::string>{"2_Cup"});
    EXPECT_EQ(ListScoreFiles(Path(""), "Alice_3"), (std::vector<std::string>{"Cup", "Spring"}));
    EXPECT_EQ(CompetitionNames(Path(""), "ALICE"), (std::vector<std::string>{"Cup", "Spring"}));
}

} // namespace
} // namespace zarle
