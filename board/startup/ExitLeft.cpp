#include "board/startup/ShutDown.h"

#include "base/records/ScoreRecord.h"
#include "engine/UndoLog.h"
#include "engine/Utilities.h"
#include "rendering/model/VbRound.h"
#include "persistence/profiles/WindowPlacement.h"
#include "board/startup/CleanUp.h"

#include <QWidget>

#include <exception>
#include <filesystem>

namespace zarle {

namespace {

constexpr int IdleCheckMs = 50;

// A step that fails is passed over and the next one runs.
template <class Step> void PassOver(Step step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

WindowPlacement PlacementOf(const SurfaceFrame& frame, const BoardWindow& window) {
    if (frame.State == static_cast<int>(WindowState::Maximized)) return {PlacementState::Maximised};
    if (frame.State == static_cast<int>(WindowState::Minimized)) return {PlacementState::Minimised};
    return {PlacementState::Normal, VbRound(frame.Left), VbRound(frame.Top), window.BoardWidth,
            window.BoardHeight};
}

} // namespace

ShutDown::ShutDown(BoardParts parts) : p_(parts) {
    idleCheck_.setInterval(IdleCheckMs);
    QObject::connect(&idleCheck_, &QTimer::timeout, [this] { CloseWhenIdle(); });
}

bool ShutDown::Form_QueryUnload() {
    // A board that never started holds nothing to save.
    if (exited_ || !p_.StartUp.DoorOpened) return true;
    if (!p_.Game.GameBusy) {
        ExitLeft(1);
        return true;
    }
    // The deal stops waiting, and the close the player asked for follows as soon as it is done.
    p_.StartUp.SettingsChanged = true;
    p_.Game.StopWait = true;
    idleCheck_.start();
    return false;
}

void ShutDown::CloseWhenIdle() {
    if (p_.Game.GameBusy) return;
    idleCheck_.stop();
    if (!exited_) p_.Surface.Widget().close();
}

void ShutDown::ExitLeft(int mode) {
    GameState& g = p_.Game;
    exited_ = true;
    idleCheck_.stop();
    // The goodbye goes out while waits still wait, so the peers hear it before the sockets close.
    if (p_.NetGoodbye) PassOver(p_.NetGoodbye);
    g.StopWait = true;
    if (g.FlowRunning || g.FlowStop) {
        g.FlowStop = true;
        g.FlowNewGame = true;
    }
    CleanUpSounds(g, p_.Profile, p_.Sound);
    PassOver([&] {
        // The log closes, but the AutoSave setting it stands for is still saved below.
        const bool autoSave = g.TempMovesOpen;
        if (autoSave) p_.Rules.TempMoves_Open(false);
        g.TempMovesOpen = autoSave;
        const auto undoLog = std::filesystem::path(g.AppPath) / UndoLogFileName;
        if (FileExists(undoLog.string())) std::filesystem::remove(undoLog);
    });
    PassOver([&] { SaveSettingsRecords(); });
    PassOver([&] { p_.Players.SavePlayer(false); });
    PassOver([&] { CleanUpFontsAndForms(g, p_.Surface.Widget()); });
    if (mode == 0) p_.Surface.Widget().close();
}

void ShutDown::SaveSettingsRecords() {
    RecordFile scores(p_.Players.ScoresFile(), ScoreRecord::Size, RecordFile::Access::ReadWrite);
    std::string error = p_.Players.SaveSettings(scores);
    const WindowPlacement placement = PlacementOf(p_.Surface.Frame(), p_.Board.Model().Window());
    if (error.empty() && !WriteWindowSettings(scores, p_.Game.DisplaySize, placement)) error = scores.Error();
    if (!error.empty())
        p_.Players.ReportWriteFailure("Your settings could not be saved.", error,
                                      "scores.ran keeps the settings saved before.");
}

} // namespace zarle
