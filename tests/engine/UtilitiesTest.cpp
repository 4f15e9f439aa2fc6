// The browser start, file tests, name checks, the read-only text store, the rules captions, the
// undo log and the "#"-separated numbers of the network messages.

#include "engine/Utilities.h"
#include "engine/DeckMessage.h"
#include "tests/support/engine/FakeTable.h"
#include "tests/support/TempFolder.h"
#include "engine/UndoLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zarle::testing {
namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& path, const std::string& content = "") {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

TEST(FileExistsTest, FilesAndPatterns) {
    TempFolder folder;
    const std::string root = folder.Path().string();
    Touch(folder.Path() / "Data" / "~105.tmp");
    Touch(folder.Path() / "Data" / "Zarle.pms");
    EXPECT_TRUE(FileExists(root + "/Data/~105.tmp"));
    EXPECT_TRUE(FileExists(root + "/Data/*.tmp"));
    EXPECT_TRUE(FileExists(root + "\\Data\\*.TMP"));
    EXPECT_TRUE(FileExists(root + "/Data/zarle.PMS")) << "names compare without regard to case";
    EXPECT_TRUE(FileExists(root + "/Data/Z?rle.*"));
    EXPECT_FALSE(FileExists(root + "/Data/*.pmw"));
    EXPECT_FALSE(FileExists(root + "/Data/Vova.pms"));
    EXPECT_FALSE(FileExists(root + "/Nowhere/*.tmp"));
    EXPECT_FALSE(FileExists(""));
}

TEST(OpenBrowserTest, AFailedStartIsReported) {
    Transcript log;
    FakeMessageBox box(log);
    std::vector<std::string> opened;
    for (const bool started : {true, false}) {
        OpenBrowser(
            box,
            [&](std::string_view address) {
                opened.emplace_back(address);
                return started;
            },
            "https://example.org/online/ipaddress.html");
    }
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], "https://example.org/online/ipaddress.html");
    EXPECT_EQ(log.Lines(),
              std::vector<std::string>{"MsgBox \"Unable to launch default browser\" 0 \"\" -> 1"});
}

TEST(BadFileNameCharsTest, OneBoxForTheFirstForbiddenCharacter) {
    Transcript log;
    FakeMessageBox box(log);
    EXPECT_FALSE(BadFileNameChars(box, "Pat Smith"));
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_TRUE(BadFileNameChars(box, "a.b"));
    EXPECT_TRUE(BadFileNameChars(box, "a/b:c*d"));
    const std::string box1 =
        "MsgBox \"Please do not use the following characters:  \\r\\n\\r\\n/ \\ : * . ? ! < > | "
        "\"\\r\\n\\r\\nPlease re-enter.\" 48 \"Non-standard filename character\" -> 1";
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{box1, box1}));
}

TEST(ReadDataTextTest, TrimmedRecordsEachFollowedByABlank) {
    TempFolder folder;
    std::string store;
    for (int n = 1; n <= 6; ++n) {
        std::string line = "  line " + std::to_string(n);
        line.resize(100, ' ');
        store += line;
    }
    Touch(folder.Path() / "Data" / "snack.ade", store);
    const std::string app = folder.Path().string();
    EXPECT_EQ(ReadDataText(app, 5, 5), "line 5 ");
    EXPECT_EQ(ReadDataText(app, 2, 3), "line 2 line 3 ");
    EXPECT_EQ(ReadDataText(app, 6, 8), "line 6   ") << "records past the end read as blanks";
    EXPECT_EQ(ReadDataText(app, 4, 3), "");
    EXPECT_EQ(ReadDataText(app + "/missing", 1, 2), "");
}

TEST(RulesRefreshTest, RulesAndLevelCaptions) {
    FakeTable table;
    GameState& s = table.State;
    s.SideSizeM1 = 25;
    s.ForcedMask = 1;
    s.SeatRec1.Level = 2;
    s.LevelNames = {"Level: Average", "Level: Clever", "Level: Ruthless"};
    table.Game.RulesRefresh();
    s.NetMode = 1;
    s.ShuffleApart = true;
    table.Game.RulesRefresh();
    EXPECT_EQ(
        table.Log.Lines(),
        (std::vector<std::string>{"lblRules = \"Rules: 26 cards Ace\"", "lblLevel = \"Level: Ruthless\"",
                                  "lblRules = \"Rules: 26 cards Ace\"", "lblLevel = \"Decks: separate\""}));
}

TEST(UndoLogTest, EveryPlayOfTheTurnAddsARecord) {
    TempFolder folder;
    FakeTable table;
    GameState& s = table.State;
    s.AppPath = folder.Path().string();
    table.Game.TempMoves_Open(true);
    ASSERT_TRUE(s.TempMovesOpen);
    table.SetTable(2, 20);
    s.PTurn = 1;
    s.MoveRecNo = 1;
    s.PlayerCards[2] = CardOfId(1);
    s.PlayerCards[3] = CardOfId(2);
    s.HandCount = 5;
    for (int slot : {2, 3}) {
        s.SrcSlot = static_cast<int16_t>(slot);
        s.CenterIdx = 1;
        table.Game.Player_Move();
    }
    EXPECT_EQ(s.MoveRecNo, 3);
    UndoLog* log = table.Game.UndoLogFile();
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->Read(2)[0], 1);
    EXPECT_EQ(log->Read(3)[0], 2);
    EXPECT_EQ(fs::file_size(folder.Path() / "~tempmoves.sav"), 3u * 6038u);
}

TEST(UndoLogTest, AFolderThatCannotHoldTheLogIsGivenUp) {
    TempFolder folder;
    FakeTable table;
    // A folder in place of the log file: every open fails.
    fs::create_directories(folder.Path() / "~tempmoves.sav");
    table.State.AppPath = folder.Path().string();
    table.Game.TempMoves_Open(true);
    EXPECT_FALSE(table.State.TempMovesOpen);
    EXPECT_EQ(table.Game.UndoLogFile(), nullptr);
    EXPECT_TRUE(table.Log.Lines().empty()) << "nothing is reported";
}

TEST(DeckMessageTest, NumbersBetweenHashes) {
    EXPECT_EQ(HashSeparatedNumbers(" 5# 13#-1#"), (std::vector<int16_t>{5, 13, -1}));
    EXPECT_EQ(HashSeparatedNumbers(" 7"), (std::vector<int16_t>{7}));
    EXPECT_EQ(HashSeparatedNumbers(""), (std::vector<int16_t>{}));
    EXPECT_FALSE(HashSeparatedNumbers(" 5##"));
    EXPECT_FALSE(HashSeparatedNumbers(" 5#x#"));
    EXPECT_FALSE(HashSeparatedNumbers(" 99999#"));
}

TEST(DeckMessageTest, AnOlderHostsValuesMustMatchItsIds) {
    EXPECT_TRUE(ParseDeckMessage(" 1# 2# 1# 15#", "74", 2, false, 104));
    EXPECT_FALSE(ParseDeckMessage(" 1# 3# 1# 15#", "74", 2, false, 104));
    const auto legacy = ParseDeckMessage(" 4# 4#", "40", 2, false, 104);
    ASSERT_TRUE(legacy);
    EXPECT_EQ(legacy->Cards[1], (CardRec{4, 4})) << "version 40 sends values only; ids are taken equal";
}

} // namespace
} // namespace zarle::testing
