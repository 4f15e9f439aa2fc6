// Loading the board window: the whole start-up in one pass, in its order.

#include "board/startup/StartUp.h"

#include "board/FrmZarle.h"
#include "board/StartUpLayout.h"
#include "base/text/VbText.h"
#include "platform/controls/StatusBar.h"
#include "platform/settings/Registry.h"
#include "board/startup/CleanUp.h"
#include "board/startup/CommandLine.h"
#include "board/startup/GameFonts.h"

#include <QCoreApplication>

#include <filesystem>
#include <new>

namespace zarle {

namespace {

constexpr int32_t SmallScreenTwips = 10000;
constexpr int SmallScreenPanelWidthPx = 700 / 15;
constexpr int OpponentNamePanel = 5;
constexpr double KeepOnScreenShare = 1.5; // two thirds of the window must lie on the screen

// The number the fault is reported under, in the numbering players have always seen.
int FaultNumber(const std::exception& fault) {
    if (dynamic_cast<const std::bad_alloc*>(&fault)) return 7;                     // out of memory
    if (dynamic_cast<const std::filesystem::filesystem_error*>(&fault)) return 75; // path or file access
    return 5;                                                                      // not a valid call
}

} // namespace

StartOutcome StartUp::Form_Load(const StartOptions& options) {
    GameState& g = p_.Game;
    g.DevMode = IsDeveloperSwitch(options.CommandLine);
    lock_.emplace(options.InstanceName);
    if (lock_->AnotherIsRunning()) {
        p_.Box.MsgBox(
            "The game is already running. Check your task bar to bring it up or use the System Monitor "
            "to end the game.",
            MbOkOnly, "");
        return StartOutcome::AlreadyRunning;
    }

    splash_ = std::make_unique<frmSplash>(p_.Pictures);
    splash_->show();
    splash_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    try {
        g.StartingUp = true;
        if (!OpenDoor()) {
            splash_.reset();
            p_.Box.MsgBox("Unable to start ZarleNET!" + std::string(CRLF) + std::string(CRLF) +
                              "Files are missing.",
                          MbCritical, "");
            RemoveGameFonts(g.AppPath);
            return StartOutcome::FilesMissing;
        }
        SmallScreenPanels();
        DrawLoadedBoard(p_.Board, g);
        OpenWindow();
        splash_.reset();
        KeepOnScreen();
        FinishShownBoard(p_.Board, g);

        p_.Welcome.ShowModal();
        Greet();
        if (g.PeekOn) {
            p_.Board.SetVisible({Ctl::StatusBar1}, true);
            g.PeekOn = false;
        }
        if (auto* form = dynamic_cast<Form*>(&p_.Surface.Widget())) form->SetKeyPreview(true);
        p_.Board.SetVisible({Ctl::Command2}, true);
        ReadTipsSetting();
        return StartOutcome::Running;
    } catch (const std::exception& fault) {
        ReportFault(fault);
        return StartOutcome::Failed;
    }
}

// A narrow screen gives the status panels a width that still shows their numbers.
void StartUp::SmallScreenPanels() {
    if (p_.Game.ScreenTwips >= SmallScreenTwips) return;
    if (auto* frm = dynamic_cast<FrmZarle*>(&p_.Surface))
        if (auto* bar = dynamic_cast<StatusBar*>(frm->ControlWidget({Ctl::StatusBar1})))
            for (const int panel : {1, 4, 5, 8}) bar->SetMinWidth(panel, SmallScreenPanelWidthPx);
    p_.Board.SetPanelText(OpponentNamePanel, "Zarle:");
}

// Opens maximised or at the default size as the placement stored at exit asks.
void StartUp::OpenWindow() {
    const int16_t mode = p_.StartUp.WindowMode;
    if (mode >= 2) {
        p_.Board.Layout().SizeFormToBoard();
        if (mode == 2) p_.Board.Model().EditWindow().State = WindowState::Maximized;
    }
    p_.Board.Present();
    // The window's frame is known only once it shows: the outer edges are given again then, so
    // that the frame does not come on top of the size asked for.
    const BoardWindow asked = p_.Board.Model().Window();
    p_.Surface.Widget().show();
    if (asked.State == WindowState::Normal)
        p_.Surface.SetWindowBounds(asked.Left, asked.Top, asked.Width, asked.Height);
}

void StartUp::KeepOnScreen() {
    BoardModel& model = p_.Board.Model();
    const BoardWindow& w = model.Window();
    const bool offRight = w.Left + w.Width / KeepOnScreenShare > p_.Game.ScreenTwips;
    const bool offBottom = w.Top + w.Height / KeepOnScreenShare > p_.Board.Layout().State().ScreenHeightTw;
    if (offRight || offBottom) {
        BoardWindow& edit = model.EditWindow();
        edit.Left = 0;
        edit.Top = 0;
    }
    p_.Board.Present();
}

void StartUp::Greet() {
    p_.Board.SetCaption({Ctl::Label9, 2},
                        std::string(CRLF) + "Welcome " + p_.Game.PlayerName + " to Zarle's World");
}

// The tip of the day reads the same setting when it opens.
void StartUp::ReadTipsSetting() {
    p_.StartUp.ShowTipsSetting =
        ValInt16(GetSetting("ZarleNET", "Options", "Show Tips at Startup", "1").toStdString());
}

void StartUp::ReportFault(const std::exception& fault) {
    GameState& g = p_.Game;
    splash_.reset();
    if (!g.StopWait) {
        const std::string crlf(CRLF);
        p_.Box.MsgBox("Unexpected error while setting up ZarleNET!" + crlf + "Error # " +
                          Str(FaultNumber(fault)) + " occurred: " + crlf + fault.what(),
                      MbCritical, "");
    }
    CleanUpSounds(g, p_.Profile, p_.Sound);
    CleanUpFontsAndForms(g, p_.Surface.Widget());
    g.GameBusy = false;
}

} // namespace zarle
