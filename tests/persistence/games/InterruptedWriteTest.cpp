// The program killed in the middle of a save, a high-score update, the end of a game or a
// change of the player list: each update runs in a child process that dies before its k-th
// change to the disk (a write, a cut, a rename or a deletion), for every k; every record of every
// data file is then either as it was or as the whole update leaves it, and the files that must
// agree with each other, after the next start's repair, are all as they were or all as updated.

#include "tests/persistence/games/DiskChanges.h"
#include "tests/persistence/games/GamesFixture.h"
#include "persistence/games/HighScores.h"
#include "base/records/RecordFile.h"
#include "base/records/ScoreRecord.h"
#include "persistence/games/Scoreboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace zarle::testing {
namespace {

using Files = std::map<std::string, std::vector<uint8_t>>;

struct DataFileShape {
    const char* name;
    size_t recordLength;
};
const DataFileShape DataFiles[] = {{"backup.sav", SavedGameRecord::Size},
                                   {"highscore.ran", HighScoreRecord::Size},
                                   {"scores.ran", ScoreRecord::Size},
                                   {"Players.sav", PlayerRecord::Size}};

class InterruptedWriteTest : public GamesTest {
  protected:
    Files Snapshot() const {
        Files files;
        for (const auto& file : DataFiles) files[file.name] = ReadBytes(DataFile(file.name));
        return files;
    }
    void Put(const Files& files) {
        for (const auto& [name, bytes] : files) WriteBytes(DataFile(name.c_str()), bytes);
    }
    // Runs the update in a child that may change the disk `changes` times (-1: all it wants); true
    // when the child was killed on the way.
    bool RunChild(const std::function<void()>& update, int changes) {
        const pid_t child = fork();
        if (child == 0) {
            ChangesLeft = changes;
            update();
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status));
        return WEXITSTATUS(status) == KilledStatus;
    }
    static std::vector<uint8_t> Record(const std::vector<uint8_t>& file, size_t length, size_t n) {
        std::vector<uint8_t> record(length, 0);
        for (size_t i = 0; i < length && n * length + i < file.size(); ++i) record[i] = file[n * length + i];
        return record;
    }
    // Every way of dying during the update leaves each record old or new, and the files of
    // `together` all old or all new once the next start has made its repair; the update changes
    // the disk at least `leastChanges` times.
    void ExpectEveryRecordOldOrNew(const std::function<void()>& update, int leastChanges,
                                   const std::vector<std::string>& together = {}) {
        const Files before = Snapshot();
        ASSERT_FALSE(RunChild(update, -1));
        const Files after = Snapshot();
        ASSERT_TRUE(after != before) << "the update wrote nothing";
        int changes = 0;
        for (;; ++changes) {
            Put(before);
            if (!RunChild(update, changes)) break;
            profiles.FinishScoreUpdate();
            const Files now = Snapshot();
            for (const auto& file : DataFiles) {
                const auto& old = before.at(file.name);
                const auto& done = after.at(file.name);
                const size_t records =
                    std::max({old.size(), done.size(), now.at(file.name).size()}) / file.recordLength + 1;
                for (size_t n = 0; n < records; ++n) {
                    const auto record = Record(now.at(file.name), file.recordLength, n);
                    EXPECT_TRUE(record == Record(old, file.recordLength, n) ||
                                record == Record(done, file.recordLength, n))
                        << file.name << " record " << n + 1 << " killed before change " << changes + 1;
                }
            }
            const auto allAs = [&](const Files& files) {
                return std::ranges::all_of(
                    together, [&](const std::string& name) { return now.at(name) == files.at(name); });
            };
            EXPECT_TRUE(allAs(before) || allAs(after)) << "killed before change " << changes + 1;
        }
        EXPECT_GE(changes, leastChanges);
        EXPECT_TRUE(Snapshot() == after) << "an update left alone writes what it did the first time";
    }
};

TEST_F(InterruptedWriteTest, SavesAndTheAutomaticCopies) {
    Deal(3);
    PlayTurns(2);
    SavedGameRecord earlier;
    earlier.Name = "earlier";
    for (int slot = 1; slot <= 14; ++slot) WriteSlot(slot, earlier);
    ExpectEveryRecordOldOrNew([this] { Games.SaveAuto(); }, 2);
    state.TurnCounter = 0;
    ExpectEveryRecordOldOrNew([this] { Games.SaveAuto(); }, 1);
    Dialog.Script = [](SaveSlotsPrompt& p) {
        p.Text1_Click(8);
        p.cmdSave_Click();
    };
    ExpectEveryRecordOldOrNew([this] { Games.SaveGame(); }, 1);
}

TEST_F(InterruptedWriteTest, TheComputersRecordAndTheRankedList) {
    std::vector<HighScoreRecord> runs;
    for (int i = 0; i < 10; ++i)
        runs.push_back({44000.0 + i, i == 6 ? "Zarle" : "Old", 1, int16_t(20 - i), 0, int16_t(21 - i)});
    ASSERT_EQ(HighScoreFile(DataFile("highscore.ran")).Write(RunListFirst, runs), "");
    Stats.Now = [] { return 45000.0; };
    state.PTurn = 0;
    state.Stats[4] = {2, 15, 1, 2, 15, 1};
    ExpectEveryRecordOldOrNew([this] { Stats.StatsSave(4, 5); }, 3);
}

TEST_F(InterruptedWriteTest, TheEndOfAGame) {
    // One time for every run: a slow run (under the sanitizers) would otherwise date its records
    // a second later than the first.
    Stats.Now = [] { return 45000.0; };
    // A game won with a best run and a best side run of the player's and of the computer's: every
    // list and record changes, with the games counted.
    std::vector<HighScoreRecord> runs;
    for (int i = 0; i < 10; ++i)
        runs.push_back({44000.0 + i, i == 3 ? "Zarle" : "Old", 1, int16_t(5 - i / 3), 0, int16_t(6 - i / 3)});
    ASSERT_EQ(HighScoreFile(DataFile("highscore.ran")).Write(RunListFirst, runs), "");
    ASSERT_EQ(HighScoreFile(DataFile("highscore.ran")).Write(SideListFirst, runs), "");
    Deal(2);
    state.Stats[2] = {1, 6, 1, 1, 6, 1};
    state.Stats[4] = {2, 7, 1, 2, 7, 1};
    state.SideCards = {};
    state.SideCount = 0;
    state.PlayerCards[1] = {};
    ExpectEveryRecordOldOrNew([this] { Game.Game_End(); }, 7, {"Players.sav", "scores.ran", "highscore.ran"});
}

class PlayerListKillTest : public InterruptedWriteTest {
  protected:
    void SetUp() override {
        InterruptedWriteTest::SetUp();
        WritePlayers({Header("Pat"), Player("Ann"), Player("Pat"), Player("Bob"), Player("Cy")});
        profile.PlayerNames = {"Ann", "Pat", "Bob", "Cy"};
        profile.PlayerRecNo = 3;
        profile.PlayerRec = StoredPlayer(3);
    }
    Scoreboard board{state, profiles, Box};
};

// Killed between moving the later players down and cutting the file, the last player was listed
// twice.
TEST_F(PlayerListKillTest, DeletingAPlayerLeavesTheWholeListOldOrNew) {
    ExpectEveryRecordOldOrNew([this] { board.Maintance(Maintenance::DeletePlayer, 2, "Delete Player"); }, 2,
                              {"Players.sav"});
}

TEST_F(PlayerListKillTest, DeletingAllPlayersLeavesTheWholeListOldOrNew) {
    ExpectEveryRecordOldOrNew(
        [this] { board.Maintance(Maintenance::DeleteAllPlayers, 0, "Delete ALL Players"); }, 2,
        {"Players.sav"});
}

} // namespace
} // namespace zarle::testing
