#pragma once
// The board window with everything behind it on one game state and one profile state: the card
// banks, the window's widgets and logic, sounds, waits, message boxes, random numbers, the engine,
// the computer opponents, the human's input, the player profiles with the welcome window, and the
// start-up and shut-down of the program. Tests and tools can put in their own sounds, waits, boxes and
// welcome.

#include "board/BoardPresenter.h"
#include "board/BoardServices.h"
#include "board/BoardSound.h"
#include "rendering/cards/CardPictureBank.h"
#include "opponents/ComputerPlayer.h"
#include "engine/Engine.h"
#include "persistence/games/GamePersistence.h"
#include "engine/IdleServices.h"
#include "opponents/dialogs/OpponentDialogs.h"
#include "persistence/profiles/ProfilePersistence.h"
#include "persistence/profiles/Profiles.h"
#include "opponents/dialogs/QtFileDialogs.h"
#include "persistence/games/SavedGames.h"
#include "persistence/games/Scoreboard.h"
#include "engine/SeededRandom.h"
#include "board/StartUpLayout.h"
#include "persistence/profiles/WelcomePrompt.h"
#include "board/commands/BoardCommands.h"
#include "persistence/dialogs/frmRules.h"
#include "persistence/dialogs/frmSave.h"
#include "persistence/dialogs/frmScoreStat.h"
#include "persistence/dialogs/frmWelcome.h"
#include "platform/help/ManualWindow.h"
#include "board/input/AvatarClicks.h"
#include "board/input/BoardInput.h"
#include "board/input/OpponentWindowPorts.h"
#include "board/internet/InternetPlay.h"
#include "board/looks/TableLooks.h"
#include "board/startup/BoardProfileNeighbours.h"
#include "board/startup/BoardProfileView.h"
#include "board/startup/CloseRequestFilter.h"
#include "board/startup/ShutDown.h"
#include "board/startup/StartUp.h"
#include "board/windows/SmallWindows.h"

#include <memory>

namespace zarle {

struct GameWindowServices {
    SoundPort* Sound = nullptr;           // null: the program's sound channel
    WaitPort* Waiter = nullptr;           // null: waits that keep the window live
    MessageBoxPort* Box = nullptr;        // null: message boxes on the screen
    WelcomeWindowPort* Welcome = nullptr; // null: the welcome window over the board
    FileDialogPort* Files = nullptr;      // null: the file dialogs on the screen
    HelpPort* Help = nullptr;             // null: the manual in the game's help window
};

class GameWindow {
  public:
    GameWindow(GameState& game, ProfileState& profile, GameWindowServices services = {});
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    GameState& Game() { return game_; }
    ProfileState& Profile() { return profile_; }
    BoardPresenter& Board() { return board_; }
    BoardSurface& Surface() { return *surface_; }
    QWidget& Window() { return surface_->Widget(); }
    CardPictureBank& Pictures() { return pictures_; }
    Engine& TheEngine() { return engine_; }
    Profiles& PlayerProfiles() { return profiles_; }
    // Saved games with their commands (Save, Restore, Previous Turn, Restart Turn, Undo), and the
    // statistics.
    SavedGames& Saves() { return savedGames_; }
    // "Scores and Stats" at a tab (0 scores, 1 statistics, 2 high scores), modally.
    void ShowScoreboard(int scoreTab) { scoreboardWindow_.ShowModal(scoreTab); }
    StartUpState& StartUpValues() { return startUpState_; }
    BoardInput& Input() { return input_; }
    // The opponents setup, speed and comment-set windows, as the menus open them.
    OpponentDialogs& Dialogs() { return dialogs_; }
    // Backgrounds, the card-back flow animation and the preferences dialog.
    TableLooks& Looks() { return looks_; }
    HelpPort& Help() { return helpPort_; }
    SmallWindows& Windows() { return windows_; }
    AvatarClicks& Avatar() { return avatarClicks_; }
    // The drawn menus, their commands and the board's keys.
    BoardCommands& Commands() { return *commands_; }
    // Internet play: the session, its windows and the Internet menu's commands.
    InternetPlay& Internet() { return net_; }
    ComputerPlayer& Opponents() { return opponents_; }

    // Loading the board window: the program's start. Anything but Running means the program ends.
    StartOutcome Start(const StartOptions& options);
    // The shut-down sequence (it runs by itself when the window closes); mode 0 also closes the
    // window.
    void ExitLeft(int mode) { shutDown_.ExitLeft(mode); }

    // Lays the board out as start-up does, for the game state's counts and settings, without a
    // player's profile.
    void LayOut(const BoardScreen& screen) { LayOutBoard(board_, game_, screen); }
    // A new game: the board cleared, the deck shuffled, the side piles and hands dealt.
    void Deal();
    // The rules dialog over the board, then the rules caption rebuilt; RulesChanged then asks the
    // caller for a new game.
    void ShowRules();

  private:
    BoardParts Parts();
    InternetPlayParts InternetParts();
    // What the first deal and the first play need, made ready as soon as the board shows the
    // player's look: the card pictures for the screen and the sound device.
    void PrepareFirstPlay();

    GameState& game_;
    ProfileState& profile_;
    CardPictureBank pictures_;
    std::unique_ptr<BoardSurface> surface_;
    ChannelOutput channel_;
    BoardSound sound_;
    BoardWaiter waiter_;
    BoardMessageBox box_;
    SeededRandom random_;
    SoundPort& soundPort_;
    WaitPort& waitPort_;
    MessageBoxPort& boxPort_;
    ComputerPlayer opponents_;
    InternetPlay net_;
    BoardPresenter board_;
    OpponentWindowPorts opponentWindow_;
    BoardProfileView profileView_;
    BoardProfileNeighbours profileCalls_;
    Profiles profiles_;
    WelcomePrompt welcomePrompt_;
    WelcomeWindow welcomeWindow_;
    WelcomeWindowPort& welcomePort_;
    ProfilePersistence persistence_;
    SaveWindow saveWindow_;
    SavedGames savedGames_;
    Statistics statistics_;
    GamePersistence gamePersistence_;
    Scoreboard scoreboard_;
    ScoreboardWindow scoreboardWindow_;
    Engine engine_;
    BoardInput input_;
    StartUpState startUpState_;
    ManualWindow manual_;
    HelpPort& helpPort_;
    TableLooks looks_;
    StartUp startUp_;
    ShutDown shutDown_;
    CloseRequestFilter closeRequests_;
    QtFileDialogs files_;
    OpponentDialogs dialogs_;
    SmallWindows windows_;
    AvatarClicks avatarClicks_;
    std::unique_ptr<BoardCommands> commands_;
};

} // namespace zarle
