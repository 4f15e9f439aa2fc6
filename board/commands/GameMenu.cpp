// The Game menu's commands.

#include "board/GameWindow.h"
#include "board/commands/BoardCommands.h"

namespace zarle {

namespace {

constexpr int MbOkCancel = 1;
constexpr int HighestGameEntry = 12;

} // namespace

void BoardCommands::MenuGame(int index) {
    HideStrip();
    // A new game waits for the computer seat's turn to end; until then the menu is blocked.
    if (Closing() || s_.NewGameQueued || index < 0 || index > HighestGameEntry) return;
    switch (index) {
    case 0: NewGame(); break;
    case 1: w_.Saves().SaveGame(); break;
    case 2: w_.Saves().RestoreGame(); break;
    case 4: RulesCommand(); break;
    case 5:
        if (s_.NetMode != 0)
            internet_->SetupPlayers();
        else
            w_.Dialogs().SetupOpponents();
        break;
    case 7: w_.Saves().PreviousTurn(); break;
    case 8: RestartCurrentGame(); break;
    case 10: w_.ShowScoreboard(0); break;
    case 12: Exit(); break;
    default: break;
    }
}

void BoardCommands::NewGame() {
    if (s_.PTurn > 1 && s_.NetMode == 0) {
        s_.NewGameQueued = true;
        // The seat plays its turn to the end first: the player sees at once that the game is coming.
        w_.Board().SetCaption({Ctl::Label9, 1}, "New game after " + s_.WorkName + "'s turn...");
        return;
    }
    w_.TheEngine().Game_New();
}

void BoardCommands::RulesCommand() {
    w_.ShowRules();
    if (s_.RulesChanged) {
        s_.GameStarted = false;
        w_.TheEngine().Game_New();
    }
    s_.RulesChanged = false;
}

void BoardCommands::RestartCurrentGame() {
    if (s_.FlowRunning) w_.Looks().StopCardsFlow();
    const bool host = s_.NetMode != 0 && s_.IsHost == 1;
    if (host) {
        if (box_.MsgBox("Start the Internet game over from the beginning?", MbOkCancel, "Restart Game") ==
            AnswerCancel)
            return;
        w_.Saves().SendSavedNetGame(true);
        return;
    }
    if (s_.GameStarted) {
        if (box_.MsgBox("Start this game over from the beginning?", MbOkCancel, "Restart Game") ==
            AnswerCancel)
            return;
    } else {
        Message("Restarting game from last session.", MbInformation, "Restart Game");
    }
    w_.Saves().RestoreSlot(GameStartSlot);
}

// The same close as the window's own: while the game is busy (a deal, a computer seat's turn)
// the shut-down follows as soon as that is done, instead of the command being lost.
void BoardCommands::Exit() {
    w_.Window().close();
}

} // namespace zarle
