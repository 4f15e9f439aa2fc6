// The program started on a copy of the default program folder: a whole run from the welcome to
// the close, the data files test, an update killed half done, one running copy only, damaged
// profiles and the developer switch.

#include "board/FrmZarle.h"
#include "base/records/PlayerRecord.h"
#include "tests/support/board/ProgramFolderFixture.h"
#include "base/records/RecordFile.h"
#include "base/text/VbText.h"
#include "platform/shell/InstanceLock.h"
#include "board/startup/CommandLine.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QWidget>

#include <algorithm>
#include <fstream>

namespace zarle::test {
namespace {

namespace fs = std::filesystem;

class StartUpTest : public ProgramFolderTest {};

// The human plays the first hand card that continues a center, then discards onto hold pile 1.
void PlayHumanTurn(GameState& g, Engine& engine) {
    for (int slot = 2; slot <= 6; ++slot) {
        const CardRec card = g.PlayerCards[slot];
        if (card.Value == 0 || card.Value == WildValue) continue;
        for (int c = 1; c <= g.NumCenters; ++c) {
            if (card.Value != g.CenterCount[c] + 1) continue;
            g.SrcSlot = static_cast<int16_t>(slot);
            g.CenterIdx = static_cast<int16_t>(c);
            engine.Legal();
            ASSERT_EQ(g.PTurn, 1) << "a card that continues a center was refused";
            engine.Player_Move();
            slot = 7;
            break;
        }
    }
    if (g.PTurn != 1) return;
    int src = 2;
    while (src <= 6 && g.PlayerCards[src].Value == 0) ++src;
    ASSERT_LE(src, 6) << "a hand card is left to discard";
    g.SrcSlot = static_cast<int16_t>(src);
    g.TargetSlot = 7;
    engine.Player_EndTurn();
}

TEST_F(StartUpTest, AWholeRunFromTheWelcomeToTheCloseLeavesNoTemporaryFile) {
    std::ofstream(File("Sounds/chat.pmw")) << "a chat sound received";
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    GameState& g = *Game;
    const ProfileState& prefs = *Profile;
    EXPECT_TRUE(Window->Window().isVisible());
    EXPECT_EQ(g.PlayerName, "Tester");
    EXPECT_EQ(Window->Board().Model().Get(Ctl::Label9, 2).Caption, "\r\nWelcome Tester to Zarle's World");
    EXPECT_TRUE(Window->Board().Model().Get(Ctl::Command2).Visible);
    EXPECT_EQ(FilesEndingWith("Data", ".tmp").size(), 19u + 52u) << "sounds and small card faces";
    EXPECT_TRUE(fs::exists(File("~tempmoves.sav"))) << "the profile keeps an undo log";

    auto* deal = qobject_cast<QAbstractButton*>(
        static_cast<FrmZarle&>(Window->Surface()).ControlWidget({Ctl::Command2}));
    ASSERT_NE(deal, nullptr);
    deal->click();
    ASSERT_EQ(g.PTurn, 1) << "after the deal, and any computer turn, the human moves";
    for (int turn = 1; turn <= 3 && g.PTurn == 1; ++turn) {
        PlayHumanTurn(g, Window->TheEngine());
        EXPECT_TRUE(g.PTurn == 1 || g.PTurn == 0) << "the computer seats played and handed back";
    }
    EXPECT_GT(g.HoldCount[1] + (g.PlayerCards[7].Value != 0), 0) << "the human discarded";
    Close();

    EXPECT_FALSE(Window->Window().isVisible());
    EXPECT_TRUE(FilesEndingWith("Data", ".tmp").empty());
    EXPECT_TRUE(FilesEndingWith("Sounds", ".pmw").empty());
    EXPECT_FALSE(fs::exists(File("~tempmoves.sav")));
    // The settings records as the exit leaves them, from the state the game ended in.
    const ScoreRecord written[] = {
        {CStr(prefs.FontColor), SettingsRecord(1).Value0, SettingsRecord(1).Value1, SettingsRecord(1).Value2,
         g.Level},
        {"", 0, prefs.FontBackdrop, 0, g.CardStyle},
        {"Tester", prefs.TableBack, prefs.SpeedLevel, g.SoundLevel, g.CardStyle},
        {SettingsRecord(14).Name, SettingsRecord(14).Value0, SettingsRecord(14).Value1,
         static_cast<int16_t>(20 + g.DisplaySize), 20},
        {CStr(g.DeckColor), prefs.BackDesign, 1, 1, 1},
        {CStr(prefs.MatColor), prefs.MsgFontSize, 0, 1, prefs.PersonalityIdx},
        {CStr(prefs.AnimSpeed), g.SideSizeM1, g.ForcedMask, 0, 0},
    };
    const int records[] = {1, 12, 13, 14, 16, 17, 18};
    for (size_t i = 0; i < std::size(records); ++i)
        EXPECT_EQ(SettingsRecord(records[i]), written[i]) << "record " << records[i];
    const ScoreRecord placement = SettingsRecord(15);
    EXPECT_GT(placement.Value0, 2) << "a normal window's height";

    RecordFile players(File("Data/Players.sav"), PlayerRecord::Size, RecordFile::Access::ReadOnly);
    EXPECT_EQ(ReadRecord<PlayerRecord>(players, 1).Seats[0].Name, "Tester");
    const PlayerRecord profile = ReadRecord<PlayerRecord>(players, prefs.PlayerRecNo);
    EXPECT_EQ(profile.Seats[0].Name, "Tester");
    EXPECT_EQ(profile.AutoSave, VbTrue) << "closing the undo log keeps the AutoSave setting";
}

// Once the board shows the player's look, every card picture the first deal shows is made ready
// for the screen: the first deal answers as fast as any later one.
TEST_F(StartUpTest, TheFirstDealsPicturesAreReadyBeforeTheDeal) {
    ASSERT_EQ(Start(), StartOutcome::Running);
    QCoreApplication::processEvents();
    auto& board = static_cast<FrmZarle&>(Window->Surface());
    const auto ready = [&](const std::string& key) { return board.PictureReady(key); };
    std::vector<std::string> readyBefore;
    for (int card = 1; card <= 52; ++card)
        for (const char* kind : {"face:", "smallface:"})
            if (ready(kind + std::to_string(card))) readyBefore.push_back(kind + std::to_string(card));
    ASSERT_FALSE(readyBefore.empty());

    Window->Deal();
    for (const Ctl seat : {Ctl::Picture7, Ctl::Picture1})
        for (int slot = 1; slot <= 6; ++slot) {
            const std::string& shown = Window->Board().Model().Get({seat, slot}).Picture;
            if (shown.rfind("face:", 0) != 0 && shown.rfind("smallface:", 0) != 0) continue;
            EXPECT_NE(std::find(readyBefore.begin(), readyBefore.end(), shown), readyBefore.end())
                << shown << " was not ready before the deal";
        }
}

TEST_F(StartUpTest, AMissingDataFileEndsTheProgramWithoutWritingAnything) {
    for (const char* missing : {"Data/Players.sav", "Data/scores.ran"}) {
        SCOPED_TRACE(missing);
        SetUp();
        fs::remove(File(missing));
        const FolderSnapshot before = Snapshot();
        Box.Shown.clear();

        EXPECT_EQ(Start(""), StartOutcome::FilesMissing);
        ASSERT_EQ(Box.Shown.size(), 1u);
        EXPECT_EQ(Box.Shown[0].Text, "Unable to start ZarleNET!\r\n\r\nFiles are missing.");
        EXPECT_EQ(Box.Shown[0].Style, MbCritical);
        EXPECT_FALSE(Window->Window().isVisible());
        EXPECT_TRUE(Snapshot() == before) << "a file was created or changed";
        TearDown();
    }
}

// The program was killed while a game's end put its new player and score files in place: the
// mark of the commit is there and only some of the copies are in place yet.
TEST_F(StartUpTest, AGameEndKilledWhilePuttingItsScoresInPlaceIsFinishedBeforeTheyAreRead) {
    {
        RecordFile players(File("Data/Players.sav"), PlayerRecord::Size, RecordFile::Access::ReadWrite);
        PlayerRecord finished = ReadRecord<PlayerRecord>(players, 1);
        finished.Seats[0].Name = "Finished";
        fs::copy_file(File("Data/Players.sav"), File("Data/Players.sav.new"));
        RecordFile copy(File("Data/Players.sav.new"), PlayerRecord::Size, RecordFile::Access::ReadWrite);
        ASSERT_TRUE(WriteRecord(copy, 2, finished));
    }
    std::ofstream(File("Data/update.commit")).close();

    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    EXPECT_EQ(Profile->PlayerNames.front(), "Finished");
    EXPECT_FALSE(fs::exists(File("Data/Players.sav.new")));
    EXPECT_FALSE(fs::exists(File("Data/update.commit")));
}

TEST_F(StartUpTest, ASecondCopyOnlyPointsToTheRunningOne) {
    const InstanceLock running(InstanceName());
    ASSERT_FALSE(running.AnotherIsRunning());
    const FolderSnapshot before = Snapshot();

    EXPECT_EQ(Start(""), StartOutcome::AlreadyRunning);
    ASSERT_EQ(Box.Shown.size(), 1u);
    EXPECT_EQ(Box.Shown[0].Text,
              "The game is already running. Check your task bar to bring it up or use the System "
              "Monitor to end the game.");
    EXPECT_FALSE(Window->Window().isVisible());
    EXPECT_TRUE(Snapshot() == before);
}

TEST_F(StartUpTest, TheBoardIsLaidOutForTheRepairedProfile) {
    struct Case {
        const char* label;
        void (*damage)(PlayerRecord&);
        int players;
        int centers;
    };
    const Case cases[] = {
        {"a zeroed header", [](PlayerRecord& rec) { rec = PlayerRecord{}; }, 2, 3},
        {"values out of range",
         [](PlayerRecord& rec) {
             rec.NumPlayers = 9;
             rec.NumCenters = 0;
             rec.CardStyle = 99;
             rec.AnimSpeed = 0;
         },
         2, 3},
        {"four players on three centers",
         [](PlayerRecord& rec) {
             rec.NumPlayers = 4;
             rec.NumCenters = 3;
         },
         4, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        SetUp();
        {
            RecordFile players(File("Data/Players.sav"), PlayerRecord::Size, RecordFile::Access::ReadWrite);
            PlayerRecord header = ReadRecord<PlayerRecord>(players, 1);
            c.damage(header);
            ASSERT_TRUE(WriteRecord(players, 1, header));
        }
        ASSERT_EQ(Start("Tester"), StartOutcome::Running);
        const GameState& g = *Game;
        const ProfileState& profile = *Profile;
        const BoardModel& model = Window->Board().Model();
        EXPECT_EQ(g.NumPlayers, c.players);
        EXPECT_EQ(g.NumCenters, c.centers);
        EXPECT_TRUE(g.CardStyle >= 1 && g.CardStyle <= 8);
        EXPECT_GT(profile.AnimSpeed, 0);
        EXPECT_EQ(g.Seat3Shown, c.players >= 3);
        EXPECT_EQ(g.Seat4Shown, c.players == 4);
        EXPECT_EQ(model.IsLoaded(Ctl::PicCenter, 4) && model.Get(Ctl::PicCenter, 4).Visible, c.centers == 4);
        RecordFile players(File("Data/Players.sav"), PlayerRecord::Size, RecordFile::Access::ReadOnly);
        const PlayerRecord stored = ReadRecord<PlayerRecord>(players, 1);
        EXPECT_EQ(stored.NumPlayers, c.players) << "the repaired header is written back";
        EXPECT_EQ(stored.NumCenters, c.centers);
        TearDown();
    }
}

// Record 14 holds the display size plus 20; anything else counts as nothing stored.
TEST_F(StartUpTest, TheStoredDisplaySizeIsReplayed) {
    struct Case {
        int16_t stored;
        int size;
        int dropSpan;
        const char* rowsCaption;
    };
    const Case cases[] = {{0, 0, 82, MoveCardsUp},  {20, 0, 82, MoveCardsUp}, {21, 1, 82, MoveCardsDown},
                          {22, 2, 66, MoveCardsUp}, {23, 2, 66, MoveCardsUp}, {31, 0, 82, MoveCardsUp}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        SetUp();
        ScoreRecord sizes = SettingsRecord(14);
        sizes.Value2 = c.stored;
        WriteSettingsRecord(14, sizes);
        ASSERT_EQ(Start(), StartOutcome::Running);
        ASSERT_GE(Game->ScreenTwips, 10000) << "the test screen is wide enough for large cards";
        const LayoutState& layout = Window->Board().Layout().State();
        EXPECT_EQ(Game->DisplaySize, c.size);
        EXPECT_EQ(layout.DropSpan, c.dropSpan);
        EXPECT_EQ(layout.DisplayMenu.RowsCaption, c.rowsCaption);
        EXPECT_FALSE(Game->StartingUp);
        TearDown();
    }
}

TEST_F(StartUpTest, ANarrowScreenStartsWithSmallCardsWhateverIsStored) {
    for (const int16_t stored : {0, 1, 3}) {
        SCOPED_TRACE(stored);
        Window.reset();
        Game = std::make_unique<GameState>();
        Profile = std::make_unique<ProfileState>();
        Game->AppPath = Root().string();
        Game->DisplaySize = stored;
        Window = std::make_unique<GameWindow>(*Game, *Profile, GameWindowServices{&Sound, &Waiter, &Box});
        Window->LayOut(BoardScreen{9000, 6750, false});
        const LayoutState& layout = Window->Board().Layout().State();
        EXPECT_EQ(Game->DisplaySize, 2);
        EXPECT_EQ(layout.DropSpan, 66);
        EXPECT_FALSE(layout.DisplayMenu.RowsEnabled);
        EXPECT_FALSE(layout.DisplayMenu.SizeEnabled);
    }
}

TEST(DeveloperSwitch, IsReadFromTheFirstSixCharactersInAnyCase) {
    struct Case {
        const char* commandLine;
        bool on;
    };
    const Case cases[] = {{"/DODUV", true}, {"/doduv and more", true}, {"/DoDuVx", true}, {"/DODU", false},
                          {"", false},      {" /DODUV", false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsDeveloperSwitch(c.commandLine), c.on) << '"' << c.commandLine << '"';
}

} // namespace
} // namespace zarle::test
