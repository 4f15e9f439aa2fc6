// The start-up sequence: nothing is written into the program folder before the data files are
// known to be there.

#include "board/startup/StartUp.h"

#include "persistence/games/DamagedGameFiles.h"
#include "base/records/ScoreRecord.h"
#include "rendering/sound/SoundSetUp.h"
#include "board/StartUpLayout.h"
#include "engine/Utilities.h"
#include "rendering/model/VbRound.h"
#include "persistence/profiles/WindowPlacement.h"
#include "platform/screen/ScreenMetrics.h"
#include "board/startup/GameFonts.h"

namespace zarle {

namespace {

constexpr int16_t PlacementMark = 20;
constexpr int32_t NarrowScreenTwips = 9600;
// Below the hand row: room for the status bar and the window's edges.
constexpr double HandRowMarginTw = 768 + 300;

void RememberWindowSize(BoardModel& model) {
    BoardWindow& w = model.EditWindow();
    w.BoardHeight = VbRound(w.Height);
    w.BoardWidth = VbRound(w.Width);
}

} // namespace

bool StartUp::OpenDoor() {
    GameState& g = p_.Game;
    InstallGameFonts(g.AppPath);
    MeasureScreen();
    g.LevelNames = {"Level: Average", "Level: Clever", "Level: Ruthless"};
    g.DealerName = "Zarle";
    // The one random generator was seeded from the clock when the window was made.
    p_.Players.ReadComments();
    if (!DataFilesPresent()) return false;
    // A game's end killed while its scores were put in place is finished before they are read.
    p_.Players.FinishScoreUpdate();

    // Damage found here is reported with the player file's, when the profile is applied.
    HealGameFiles(p_.Players);
    ReadDisplaySize();
    p_.Players.ReadPeople();
    p_.Waiter.Wait(0.01f);
    p_.Players.Get_Players();
    p_.StartUp.DoorOpened = true;
    RememberWindowSize(p_.Board.Model());
    SetUpSounds(g.AppPath);
    RestoreWindowPlacement();

    g.NetMode = 0;
    p_.StartUp.MsgEnd = "\n";
    p_.Players.ChangePerson();
    p_.Players.ReadBacks();
    p_.Players.Read_Users();
    p_.Players.ChangePreferences();
    p_.Board.Present();
    return true;
}

void StartUp::MeasureScreen() {
    const ScreenMetrics screen = ReadScreenMetrics(&p_.Surface.Widget());
    p_.Profile.BitsPerPixel = screen.bitsPerPixel;
    p_.StartUp.TitleBarHeight = static_cast<int16_t>(screen.captionHeight);
    p_.StartUp.LargeFonts = screen.largeFonts;
    PrepareBoard(p_.Board, p_.Game, BoardScreen{screen.widthTwips, screen.heightTwips, screen.largeFonts});
}

bool StartUp::DataFilesPresent() const {
    return FileExists(p_.Players.ScoresFile().string()) && FileExists(p_.Players.PlayersFile().string());
}

void StartUp::ReadDisplaySize() {
    RecordFile scores(p_.Players.ScoresFile(), ScoreRecord::Size, RecordFile::Access::ReadOnly);
    const StoredWindow stored = ReadWindowSettings(scores, {}, 0);
    p_.Game.DisplaySize = stored.DisplaySize;
    p_.StartUp.PlacementSaved = stored.PlacementSaved;
}

void StartUp::RestoreWindowPlacement() {
    GameState& g = p_.Game;
    BoardModel& model = p_.Board.Model();
    const Control& handCard = model.Get(Ctl::Picture7, 2);
    const int leastHeight = VbRound(handCard.Height + handCard.Top + HandRowMarginTw);
    RecordFile scores(p_.Players.ScoresFile(), ScoreRecord::Size, RecordFile::Access::ReadOnly);
    const StoredWindow stored =
        ReadWindowSettings(scores, {g.ScreenTwips, p_.Board.Layout().State().ScreenHeightTw}, leastHeight);

    if (p_.StartUp.PlacementSaved != PlacementMark) {
        BoardWindow& w = model.EditWindow();
        w.Left = 0;
        w.Top = 0;
        // A narrow screen starts with the cards that read best small.
        if (g.ScreenTwips <= NarrowScreenTwips) {
            g.CardStyle = 1;
            p_.Board.LoadCardSkin();
        }
        p_.Board.Layout().SizeFormToBoard();
        return;
    }
    p_.StartUp.WindowMode = stored.WindowMode;
    if (stored.HasPlacement) {
        BoardWindow& w = model.EditWindow();
        w.Left = stored.Placement.Left;
        w.Top = stored.Placement.Top;
        w.Width = stored.Placement.Width;
        w.Height = stored.Placement.Height;
    }
    if (stored.WindowMode != 3) RememberWindowSize(model);
}

} // namespace zarle
