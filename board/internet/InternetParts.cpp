// What internet play reaches of the board window. Called while the window's members are being
// made: every part is only referred to here, and used once the program runs.

#include "board/GameWindow.h"
#include "board/input/StatusPanels.h"

namespace zarle {

InternetPlayParts GameWindow::InternetParts() {
    BoardHooks sessionHooks{[this](int previousPlayers, int previousCenters) {
                                profileView_.ChangeLayout(previousPlayers, previousCenters);
                            },
                            [this] { profileView_.NameCaptions(); }, [this] { savedGames_.SaveGame(); },
                            // The player's profile brings the local opponents back to their seats,
                            // and the status bar names them, not the last one at the table.
                            [this] {
                                profiles_.Get_Players();
                                input_.State().ShownOpponent = 1;
                                StatusBar_PlayerCounts(board_, game_, game_.Seat(2));
                            },
                            [this] { opponentWindow_.Beep(); }};
    return InternetPlayParts{game_,
                             profile_,
                             board_,
                             soundPort_,
                             waitPort_,
                             boxPort_,
                             [this](std::string_view keyword) { helpPort_.ShowHelp(keyword); },
                             engine_,
                             opponents_,
                             &surface_->Widget(),
                             std::move(sessionHooks),
                             [this](std::string_view path) {
                                 board_.Model().Edit(Ctl::imgIcon).Picture = std::string(path);
                                 board_.Present();
                                 return true;
                             },
                             [this] { avatarClicks_.AvatarSlap(); },
                             [this] {
                                 board_.SetCaption({Ctl::Label9, 3}, game_.PlayerName);
                             },
                             [this] { dialogs_.SetupOpponents(); },
                             [this] { profiles_.Read_Users(); },
                             [this] { ShowRules(); },
                             [this] { profiles_.RestoreOpponentSeats(); },
                             [this] { return pictures_.imgSkin(profile_.BackgroundIdx); }};
}

} // namespace zarle
