// Runs, records and the ranked lists of best runs.

#include "tests/persistence/games/GamesFixture.h"
#include "persistence/games/HighScores.h"
#include "base/records/RecordFile.h"
#include "base/records/ScoreRecord.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

constexpr double Today = 45000.5;

HighScoreRecord Entry(const std::string& name, int side, int hand, int hold, double date = 44000) {
    HighScoreRecord e;
    e.Date = date;
    e.Name = name;
    e.Value0 = static_cast<int16_t>(side);
    e.Value1 = static_cast<int16_t>(hand);
    e.Value2 = static_cast<int16_t>(hold);
    e.Value3 = static_cast<int16_t>(side + hand + hold);
    return e;
}

class StatisticsTest : public GamesTest {
  protected:
    void SetUp() override {
        GamesTest::SetUp();
        Stats.Now = [] { return Today; };
        state.NumPlayers = 2;
        state.SideCount = 12;
        state.WorkSideCount = 12;
    }
    std::vector<HighScoreRecord> List(int first, int last) const {
        return HighScoreFile(DataFile("highscore.ran")).Read(first, last);
    }
    void WriteList(int first, const std::vector<HighScoreRecord>& list) {
        ASSERT_EQ(HighScoreFile(DataFile("highscore.ran")).Write(first, list), "");
    }
    ScoreRecord ScoresRecord(int n) const {
        RecordFile file(DataFile("scores.ran"), ScoreRecord::Size, RecordFile::Access::ReadOnly);
        return ReadRecord<ScoreRecord>(file, n);
    }
    void WriteScoresRecord(int n, const ScoreRecord& rec) {
        RecordFile file(DataFile("scores.ran"), ScoreRecord::Size, RecordFile::Access::ReadWrite);
        ASSERT_TRUE(WriteRecord(file, n, rec));
    }
    // A run of the human's turn counted card by card.
    void HumanRun(std::initializer_list<int> slots) {
        for (int slot : slots) Stats.StatsAdd(slot, 1);
    }
};

TEST_F(StatisticsTest, TheRunTextCountsSideHandAndHoldCards) {
    state.PTurn = 1;
    HumanRun({1, 2, 7, 3, 1, 4});
    EXPECT_TRUE(Log.Has("Panel(2) = \" 2- 3- 1- [ 6 ]\"")) << Log.Dump();
    EXPECT_EQ(state.Stats[1], (StatsRow{2, 3, 1, 2, 3, 1}));
    Stats.StatsAdd(11, 3); // no pile: nothing counted
    EXPECT_TRUE(Log.Has("Panel(6) = \" 0- 0- 0- [ 0 ]\""));
}

TEST_F(StatisticsTest, ABetterRunBecomesTheBestOfTheGameAndTheTurnStartsAgain) {
    state.PTurn = 1;
    state.Stats[2] = {1, 2, 0, 1, 3, 0};
    HumanRun({1, 2, 2, 7});
    Log.Clear();
    Stats.StatsCk(1, 2);
    EXPECT_EQ(state.Stats[2], (StatsRow{1, 2, 1, 1, 2, 1}))
        << "the side run wins on an equal side count and sum";
    EXPECT_EQ(Log.Starting({"Panel"}),
              (std::vector<std::string>{"Panel(3) = \" 1- 2- 1- [ 4 ]\"", "Panel(2) = \" 1- 2- 1- [ 4 ]\""}));
    EXPECT_EQ(state.Stats[1], StatsRow{});

    // An equal run does not replace the best; a turn with no card shows zeros.
    HumanRun({2, 2, 7, 7});
    Stats.StatsCk(1, 2);
    EXPECT_EQ(state.Stats[2], (StatsRow{1, 2, 1, 1, 2, 1}));
    Log.Clear();
    Stats.StatsCk(1, 2);
    EXPECT_EQ(Log.Starting({"Panel"}), (std::vector<std::string>{"Panel(2) = \" 0- 0- 0- [ 0 ]\""}));
    EXPECT_EQ(state.Stats[2], (StatsRow{1, 2, 1, 1, 2, 1}));
}

struct SideRun {
    const char* name;
    StatsRow best;
    StatsRow run;
    bool replaces;
};

class SideRunTest : public StatisticsTest, public ::testing::WithParamInterface<SideRun> {};

TEST_P(SideRunTest, TheBestSideRunGoesBySideCardsThenBySum) {
    state.PTurn = 1;
    state.Stats[2] = GetParam().best;
    state.Stats[1] = GetParam().run;
    const StatsRow best = GetParam().best;
    const StatsRow run = GetParam().run;
    Stats.StatsCk(1, 2);
    const StatsRow& now = state.Stats[2];
    EXPECT_EQ(StatsRow({now[3], now[4], now[5], 0, 0, 0}),
              GetParam().replaces ? StatsRow({run[3], run[4], run[5], 0, 0, 0})
                                  : StatsRow({best[3], best[4], best[5], 0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SideRunTest,
    ::testing::Values(SideRun{"MoreSideCards", {9, 0, 0, 2, 5, 5}, {3, 0, 0, 3, 0, 0}, true},
                      SideRun{"FewerSideCards", {9, 0, 0, 3, 0, 0}, {9, 9, 9, 2, 9, 9}, false},
                      SideRun{"SameSideLargerSum", {3, 1, 0, 3, 1, 0}, {3, 4, 0, 3, 4, 0}, true},
                      SideRun{"SameSideSameSum", {3, 1, 0, 3, 1, 0}, {3, 0, 1, 3, 0, 1}, true},
                      SideRun{"SameSideSmallerSum", {3, 4, 0, 3, 4, 0}, {3, 1, 0, 3, 1, 0}, false},
                      SideRun{"NoSideCardsAtAll", {0, 4, 0, 0, 4, 0}, {0, 1, 1, 0, 1, 1}, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct Ranking {
    const char* name;
    bool sideList;
    HighScoreRecord entry;
    int enters; // the index it takes, -1 when it does not enter
};

class RankingTest : public ::testing::TestWithParam<Ranking> {};

TEST_P(RankingTest, ANewEntryGoesAboveEqualOnesAndTheLastDropsOut) {
    // Totals 20, 18, 18, 15, ...: side counts 10, 9, 9, 8, ...
    std::vector<HighScoreRecord> list;
    for (int i = 0; i < 10; ++i)
        list.push_back(Entry("Old" + std::to_string(i), 10 - i, 10 - i - (i > 0), 0));
    list[2] = Entry("Old2", 9, 9, 0);
    list[3] = Entry("Old3", 8, 7, 0);
    const auto before = list;
    const bool entered = EnterRanked(list, GetParam().sideList, GetParam().entry);
    const int at = GetParam().enters;
    EXPECT_EQ(entered, at >= 0);
    if (at < 0) {
        EXPECT_EQ(list, before);
        return;
    }
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list[at], GetParam().entry);
    for (int i = 0; i < at; ++i) EXPECT_EQ(list[i], before[i]);
    for (int i = at + 1; i < 10; ++i) EXPECT_EQ(list[i], before[i - 1]) << "the tenth drops out";
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RankingTest,
    ::testing::Values(Ranking{"BestOfAll", false, Entry("New", 11, 10, 0), 0},
                      Ranking{"EqualTotalGoesAbove", false, Entry("New", 0, 18, 0), 1},
                      Ranking{"BelowTheLast", false, Entry("New", 0, 0, 0), -1},
                      Ranking{"EqualToTheLastGoesAbove", false, Entry("New", 1, 0, 0), 9},
                      Ranking{"SideEqualLargerTotalAbove", true, Entry("New", 9, 10, 0), 1},
                      Ranking{"SideEqualSameTotalAbove", true, Entry("New", 9, 9, 0), 1},
                      Ranking{"SideEqualSmallerTotalBelow", true, Entry("New", 9, 0, 0), 3},
                      Ranking{"SideBelowEveryEntry", true, Entry("New", 0, 30, 0), -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatisticsTest, AGameEndRecordEntersTheListAtItsPlaceAndNothingElseChanges) {
    std::vector<HighScoreRecord> runs;
    for (int i = 0; i < 10; ++i) runs.push_back(Entry("Old" + std::to_string(i), 2, 20 - 2 * i, 0));
    WriteList(RunListFirst, runs);
    const auto sideBefore = List(SideListFirst, SideListLast);
    const auto scoresBefore = ReadBytes(DataFile("scores.ran"));
    state.PTurn = 0;
    state.Stats[2] = {2, 12, 4, 0, 0, 0}; // 18 cards, equal to the third entry
    Stats.StatsSave(2, 0);
    const auto list = List(RunListFirst, RunListLast);
    EXPECT_EQ(list[2], (HighScoreRecord{Today, "Pat", 2, 12, 4, 18}));
    EXPECT_EQ(list[3], runs[2]);
    EXPECT_EQ(list[9], runs[8]);
    EXPECT_EQ(List(SideListFirst, SideListLast), sideBefore);
    EXPECT_EQ(ReadBytes(DataFile("scores.ran")), scoresBefore);
    EXPECT_EQ(profile.PlayerRec.BestRuns[0], (std::array<int16_t, 3>{2, 12, 4}));
    EXPECT_TRUE(Log.Has("LabelPeek = \"\\r\\nNew Stats Record!\"")) << Log.Dump();
}

TEST_F(StatisticsTest, TheComputerReplacesItsOwnEntryAndItsAllTimeRecord) {
    std::vector<HighScoreRecord> runs;
    for (int i = 0; i < 10; ++i)
        runs.push_back(Entry(i == 4 ? "Zarle" : "Old" + std::to_string(i), 0, 20 - i, 0));
    WriteList(RunListFirst, runs);
    WriteScoresRecord(10, ScoreRecord{"Best run", 0, 16, 0, 16});
    state.PTurn = 0;
    state.Stats[4] = {1, 16, 1, 0, 0, 0}; // 18 cards
    Stats.StatsSave(4, 5);
    const auto list = List(RunListFirst, RunListLast);
    EXPECT_EQ(list[2], (HighScoreRecord{Today, "Zarle", 1, 16, 1, 18}));
    int zarles = 0;
    for (const auto& e : list) zarles += e.Name == "Zarle";
    EXPECT_EQ(zarles, 1);
    EXPECT_EQ(list[9], runs[9]) << "the old entry made room: nothing dropped out";
    EXPECT_EQ(ScoresRecord(10), (ScoreRecord{"Best run", 1, 16, 1, 18}));
    EXPECT_EQ(profile.PlayerRec.BestRuns[2], (std::array<int16_t, 3>{1, 16, 1}));
}

TEST_F(StatisticsTest, AComputerRecordBelowItsAllTimeBestEntersNeitherFile) {
    WriteScoresRecord(10, ScoreRecord{"Best run", 0, 30, 0, 30});
    WriteScoresRecord(11, ScoreRecord{"Best side", 12, 0, 0, 12});
    const auto highBefore = ReadBytes(DataFile("highscore.ran"));
    const auto scoresBefore = ReadBytes(DataFile("scores.ran"));
    state.PTurn = 0;
    state.Stats[4] = {5, 10, 0, 5, 10, 0};
    Stats.StatsSave(4, 5);
    EXPECT_EQ(ReadBytes(DataFile("highscore.ran")), highBefore);
    EXPECT_EQ(ReadBytes(DataFile("scores.ran")), scoresBefore);
    EXPECT_EQ(state.Stats[5], (StatsRow{5, 10, 0, 5, 10, 0}))
        << "the player's record of the computer still grows";
}

TEST_F(StatisticsTest, NetworkGamesNeverEnterTheLists) {
    state.NetMode = 1;
    state.PTurn = 0;
    const auto highBefore = ReadBytes(DataFile("highscore.ran"));
    state.Stats[2] = {3, 3, 3, 3, 3, 3};
    state.Stats[4] = {4, 4, 4, 4, 4, 4};
    Stats.StatsSave(2, 0);
    Stats.StatsSave(4, 5);
    EXPECT_EQ(ReadBytes(DataFile("highscore.ran")), highBefore);
    EXPECT_EQ(state.Stats[0], (StatsRow{3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(profile.PlayerRec.BestRuns[3], (std::array<int16_t, 3>{4, 4, 4}));
    EXPECT_FALSE(Log.Has("LabelPeek = \"\\r\\nNew Stats Record!\""));
}

TEST_F(StatisticsTest, CountsStopAtTheTopOfTheirRange) {
    state.Stats[1] = {32767, 32767, 0, 32767, 32767, 0};
    HumanRun({1, 2});
    EXPECT_EQ(state.Stats[1][0], 32767);
    EXPECT_EQ(state.Stats[1][4], 32767);
    EXPECT_TRUE(Log.Has("Panel(2) = \" 32767- 32767- 0- [ 65534 ]\""));
}

TEST_F(StatisticsTest, TheEndOfAGameWritesTheBestRunsIntoTheProfile) {
    Deal(2);
    state.Stats[2] = {2, 5, 1, 2, 5, 1};
    // The human's last side card has just gone.
    state.SideCards = {};
    state.SideCount = 0;
    state.PlayerCards[1] = {};
    Game.Game_End();
    const PlayerRecord stored = StoredPlayer(2);
    EXPECT_EQ(stored.BestRuns[0], (std::array<int16_t, 3>{2, 5, 1}));
    EXPECT_EQ(stored.BestRuns[1], (std::array<int16_t, 3>{2, 5, 1}));
    EXPECT_EQ(stored.Games[0], Player("Pat").Games[0] + 1);
    EXPECT_EQ(List(RunListFirst, RunListFirst)[0].Name, "Pat");
}

} // namespace
} // namespace zarle::testing
