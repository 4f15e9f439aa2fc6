// Damaged saved games, ranked lists and settings file: found at start-up, kept beside the file,
// repaired so that the next start is quiet, and named in the one "Damaged files" message with the
// player file; a slot that cannot be read is listed as damaged, not as a game.

#include "persistence/games/DamagedGameFiles.h"
#include "tests/persistence/games/GamesFixture.h"
#include "persistence/games/HighScores.h"
#include "base/records/RecordFile.h"
#include "base/records/ScoreRecord.h"
#include "persistence/games/Scoreboard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace zarle::testing {
namespace {

namespace fs = std::filesystem;

class DamagedGameFilesTest : public GamesTest {
  protected:
    // What start-up does with the data files, as a new run of the program.
    void Start() {
        FreshState();
        host.Log.clear();
        HealGameFiles(profiles);
        profiles.Get_Players();
    }
    std::vector<std::string> DamageBoxes() const {
        std::vector<std::string> boxes;
        for (const std::string& line : host.Log)
            if (line.starts_with("MsgBox")) boxes.push_back(line);
        return boxes;
    }
    static std::vector<uint8_t> Garbage(size_t size) {
        std::vector<uint8_t> bytes(size);
        for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
        return bytes;
    }
    // Replaces bytes of a file from `at` on.
    static void Overwrite(const fs::path& file, size_t at, const std::vector<uint8_t>& bytes) {
        auto all = ReadBytes(file);
        if (all.size() < at + bytes.size()) all.resize(at + bytes.size());
        std::copy(bytes.begin(), bytes.end(), all.begin() + static_cast<std::ptrdiff_t>(at));
        WriteBytes(file, all);
    }
    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
};

TEST_F(DamagedGameFilesTest, DamagedSlotsAreListedAsDamagedAndEmptiedAtTheNextStart) {
    Deal(2);
    SavedGameRecord game = BoardRecord();
    game.Name = "mine";
    WriteSlot(3, game);
    WriteSlot(7, game);
    Overwrite(Games.SaveFile(), 4 * SavedGameRecord::Size, Garbage(SavedGameRecord::Size)); // slot 5
    fs::resize_file(Games.SaveFile(), 7 * SavedGameRecord::Size - 3000);                    // slot 7 cut
    const auto damaged = SaveFileBytes();

    // While the program runs, the window lists them as damaged, and they cannot be restored.
    Games.RestoreGame();
    EXPECT_EQ(Dialog.Opened[3].Text, "mine");
    EXPECT_TRUE(Dialog.Opened[3].Enabled);
    for (const int slot : {5, 7}) {
        EXPECT_EQ(Dialog.Opened[slot].Text, "game " + std::to_string(slot) + " (damaged)");
        EXPECT_FALSE(Dialog.Opened[slot].Enabled);
    }
    EXPECT_EQ(Dialog.Opened[6].Text, "game 6");

    // The next start reports them with the player file in one box and empties them.
    WriteBytes(Root() / "Data/Players.sav", std::vector<uint8_t>(PlayerRecord::Size + 5, 0));
    Start();
    auto boxes = DamageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(Has(boxes[0], "Players.sav is cut short.")) << boxes[0];
    EXPECT_TRUE(Has(boxes[0], "backup.sav is cut short. The saved games of slots 5 and 7 could not be read; "
                              "those slots were emptied. The damaged file was kept as backup.sav.damaged."))
        << boxes[0];
    EXPECT_EQ(ReadBytes(DataFile("backup.sav.damaged")), damaged);
    EXPECT_EQ(SlotRecord(3), game);
    EXPECT_EQ(SlotRecord(5), SavedGameRecord{});
    EXPECT_EQ(SlotRecord(7), SavedGameRecord{});
    EXPECT_EQ(fs::file_size(Games.SaveFile()), 7 * SavedGameRecord::Size);

    Start();
    EXPECT_TRUE(DamageBoxes().empty());
}

TEST_F(DamagedGameFilesTest, RankedEntriesThatCannotBeReadLeaveTheLists) {
    const HighScoreRecord pat{45000, "Pat", 3, 4, 5, 12}, ann{45001, "Ann", 2, 2, 2, 6};
    struct Case {
        const char* label;
        std::function<void(const fs::path&)> damage;
        const char* found;
        std::vector<HighScoreRecord> listed;
    };
    const Case cases[] = {
        {"cut to 50 bytes",
         [&](const fs::path& file) {
             HighScoreFile(file).Write(1, {pat, ann});
             fs::resize_file(file, 50);
         },
         "highscore.ran is cut short.", {pat}},
        {"a name that is not text",
         [&](const fs::path& file) {
             HighScoreFile(file).Write(1, {pat, HighScoreRecord{45002, "\x01\x02junk", 1, 1, 1, 3}, ann});
         },
         "highscore.ran is damaged (it holds garbage).", {pat, ann}},
        {"counts beyond a deck and no date",
         [&](const fs::path& file) {
             HighScoreFile(file).Write(1, {HighScoreRecord{45003, "Cy", -4, 0, 0, -4}, pat,
                                           HighScoreRecord{1e300, "Di", 1, 1, 1, 3}, ann});
         },
         "highscore.ran is damaged (it holds garbage).", {pat, ann}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const fs::path file = DataFile("highscore.ran");
        fs::remove(file);
        c.damage(file);
        std::vector<HighScoreRecord> expected = c.listed;
        expected.resize(10);
        Scoreboard board{state, profiles, Box};
        EXPECT_EQ(board.HighStuff(1, 10), expected) << "while the program runs";

        Start();
        auto boxes = DamageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(Has(boxes[0], c.found)) << boxes[0];
        EXPECT_TRUE(Has(boxes[0], "The entries that could not be read were taken out of the lists.")) << boxes[0];
        EXPECT_EQ(board.HighStuff(1, 10), expected);
        EXPECT_EQ(fs::file_size(file), 20 * HighScoreRecord::Size);
        Start();
        EXPECT_TRUE(DamageBoxes().empty());
    }
}

TEST_F(DamagedGameFilesTest, AShortSettingsFileIsFilledUpAndRunsOutOfRangeAreCleared) {
    {
        RecordFile scores(DataFile("scores.ran"), ScoreRecord::Size, RecordFile::Access::ReadWrite);
        WriteRecord(scores, 10, ScoreRecord{"Best run", -7, 2, 3, -2});
        WriteRecord(scores, 11, ScoreRecord{"Best side", 5, 0, 0, 5});
        WriteRecord(scores, 14, ScoreRecord{"", 0, 0, 22, 20});
    }
    fs::resize_file(DataFile("scores.ran"), 13 * ScoreRecord::Size + 10);
    Start();
    auto boxes = DamageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(Has(boxes[0], "scores.ran is cut short. The settings it lost start from their defaults; the "
                              "file was written whole again. The computer's best runs, which were out of "
                              "range, were cleared."))
        << boxes[0];
    EXPECT_EQ(fs::file_size(DataFile("scores.ran")), 18 * ScoreRecord::Size);
    RecordFile scores(DataFile("scores.ran"), ScoreRecord::Size, RecordFile::Access::ReadOnly);
    EXPECT_EQ(ReadRecord<ScoreRecord>(scores, 10), (ScoreRecord{"Best run", 0, 0, 0, 0}));
    EXPECT_EQ(ReadRecord<ScoreRecord>(scores, 11), (ScoreRecord{"Best side", 5, 0, 0, 5}));
    Start();
    EXPECT_TRUE(DamageBoxes().empty());
}

} // namespace
} // namespace zarle::testing
