// The program killed in the middle of a save, a high-score update or a statistics update: each
// update runs in a child process that dies before its k-th write to a file, for every k; every
// record of every data file is then either as it was or as the whole update leaves it.

#include "GamesFixture.h"
#include "HighScores.h"
#include "RecordFile.h"
#include "ScoreRecord.h"

#include <gtest/gtest.h>

#include <map>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Writes left before the process dies; negative: no limit.
int writesLeft = -1;
constexpr int KilledStatus = 77;

ssize_t CountedWrite(int fd, const void* buf, size_t n, off_t offset) {
    if (writesLeft == 0) _exit(KilledStatus);
    if (writesLeft > 0) --writesLeft;
    return syscall(SYS_pwrite64, fd, buf, n, offset);
}

} // namespace

// Every write of the record files goes through here in this test program.
extern "C" ssize_t pwrite(int fd, const void* buf, size_t n, off_t offset) {
    return CountedWrite(fd, buf, n, offset);
}
extern "C" ssize_t pwrite64(int fd, const void* buf, size_t n, off_t offset) {
    return CountedWrite(fd, buf, n, offset);
}

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
    // Runs the update in a child that may write `writes` times (-1: all it wants); true when the
    // child was killed on the way.
    bool RunChild(const std::function<void()>& update, int writes) {
        const pid_t child = fork();
        if (child == 0) {
            writesLeft = writes;
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
    // Every way of dying during the update leaves each record old or new; the update writes at
    // least `leastWrites` times.
    void ExpectEveryRecordOldOrNew(const std::function<void()>& update, int leastWrites) {
        const Files before = Snapshot();
        ASSERT_FALSE(RunChild(update, -1));
        const Files after = Snapshot();
        ASSERT_TRUE(after != before) << "the update wrote nothing";
        int writes = 0;
        for (;; ++writes) {
            Put(before);
            if (!RunChild(update, writes)) break;
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
                        << file.name << " record " << n + 1 << " killed before write " << writes + 1;
                }
            }
        }
        EXPECT_GE(writes, leastWrites);
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
    Deal(2);
    state.Stats[2] = {1, 6, 1, 1, 6, 1};
    state.SideCards = {};
    state.SideCount = 0;
    state.PlayerCards[1] = {};
    ExpectEveryRecordOldOrNew([this] { Game.Game_End(); }, 3);
}

} // namespace
} // namespace zarle::testing
