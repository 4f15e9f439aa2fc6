#include "board/GameWindow.h"

#include "board/FrmZarle.h"
#include "platform/forms/OnScreen.h"
#include "platform/pictures/Pictures.h"

#include <QApplication>
#include <QTimer>

namespace zarle {

GameWindow::GameWindow(GameState& game, ProfileState& profile, GameWindowServices services)
    : game_(game), profile_(profile), pictures_(game.AppPath), surface_(CreateFrmZarle(pictures_)),
      sound_(game, profile, channel_), waiter_(game), random_(ClockSeed()),
      soundPort_(services.Sound ? *services.Sound : sound_),
      waitPort_(services.Waiter ? *services.Waiter : waiter_), boxPort_(services.Box ? *services.Box : box_),
      opponents_(game, engine_,
                 OpponentsPorts{board_, soundPort_, waitPort_, random_, gamePersistence_, net_,
                                opponentWindow_, opponentWindow_, &net_}),
      net_(InternetParts()),
      board_(game, profile, pictures_, *surface_, BoardServices{soundPort_, waitPort_, boxPort_}),
      opponentWindow_(game, board_), profileView_(game, board_, *surface_, pictures_),
      profileCalls_(game, profile, engine_, board_),
      profiles_(game, profile, ProfilePorts{profileView_, profileCalls_, soundPort_, waitPort_, boxPort_}),
      welcomePrompt_(profiles_), welcomeWindow_(welcomePrompt_, &surface_->Widget()),
      welcomePort_(services.Welcome ? *services.Welcome : welcomeWindow_),
      persistence_(profiles_, welcomePort_), saveWindow_(&surface_->Widget()),
      savedGames_(game, profiles_,
                  SavedGamesPorts{engine_, board_, profileView_, opponents_, soundPort_, waitPort_, boxPort_,
                                  net_, saveWindow_}),
      statistics_(game, board_, profiles_), gamePersistence_(persistence_, savedGames_, statistics_),
      scoreboard_(game, profiles_, boxPort_), scoreboardWindow_(scoreboard_, profile, &surface_->Widget()),
      engine_(game, EnginePorts{board_, soundPort_, waitPort_, boxPort_, random_, opponents_,
                                gamePersistence_, net_}),
      input_(BoardInputParts{game, profile, static_cast<FrmZarle&>(*surface_), board_, pictures_, engine_,
                             soundPort_, net_}),
      manual_(QString::fromStdString(game.AppPath)), helpPort_(services.Help ? *services.Help : manual_),
      looks_(TableLooksParts{game, profile, static_cast<FrmZarle&>(*surface_), board_, pictures_, engine_,
                             profiles_, waitPort_, boxPort_, helpPort_, startUpState_.LargeFonts}),
      startUp_(Parts()), shutDown_(Parts()),
      closeRequests_(surface_->Widget(), [this] { return shutDown_.Form_QueryUnload(); }),
      files_(&surface_->Widget()),
      dialogs_(OpponentDialogPorts{game_, profiles_, services.Files ? *services.Files : files_, helpPort_,
                                   net_, [this] { engine_.Game_New(); },
                                   [this](int index) { opponentWindow_.MenuGame(index); },
                                   &surface_->Widget()}),
      windows_(SmallWindowParts{game_, profile_, startUpState_, board_, pictures_, helpPort_, boxPort_,
                                surface_->Widget()}),
      avatarClicks_(game_, static_cast<FrmZarle&>(*surface_), board_, soundPort_,
                    [this] { profiles_.Get_Avatars(); }) {
    // Before the first picture file the player may have replaced is read.
    LimitPictureMemory();
    board_.SetRulesRefresh([this] { engine_.RulesRefresh(); });
    opponentWindow_.SetMenuGame([this](int index) { commands_->MenuGame(index); });
    input_.SetUndoPanel([this] { savedGames_.UndoPlay(); });
    board_.SetCardsFlow([this](int variant) { looks_.AnimateCardsFlow(variant); });
    board_.SetSmallWindows(
        [this](std::string_view name) {
            return (name == "frmHold" && input_.HoldWindowLoaded()) || windows_.IsLoaded(name);
        },
        [this](std::string_view name) {
            if (name == "frmHold") input_.UnloadHoldWindow();
            windows_.Unload(name);
        });
    board_.SetCardWindows([this] { windows_.CounterUpdate(); }, [this] { windows_.DebugShowDeck(); });
    commands_ = std::make_unique<BoardCommands>(*this, soundPort_, boxPort_);
    commands_->SetInternet(net_);
    dialogs_.Setup().SetNetWindow([this](SetupSession& session) { return net_.SetupPlayersWindow(session); });
}

StartOutcome GameWindow::Start(const StartOptions& options) {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) KeepWindowsOnScreen(*app);
    const StartOutcome outcome = startUp_.Form_Load(options);
    if (outcome != StartOutcome::Running) return outcome;
    windows_.ShowTipAtStartUp();
    // Once the board is on the screen, before the player gets to the Deal button.
    QTimer::singleShot(0, &surface_->Widget(), [this] { PrepareFirstPlay(); });
    return outcome;
}

GameWindow::~GameWindow() = default;

BoardParts GameWindow::Parts() {
    return BoardParts{game_,
                      profile_,
                      board_,
                      *surface_,
                      pictures_,
                      profiles_,
                      engine_,
                      welcomePort_,
                      soundPort_,
                      waitPort_,
                      boxPort_,
                      startUpState_,
                      [this] { net_.Session().ShutDown(); }};
}

void GameWindow::PrepareFirstPlay() {
    board_.PrepareCardPictures();
    if (&soundPort_ == &sound_ && game_.SoundLevel != 2) channel_.Prepare();
}

void GameWindow::ShowRules() {
    zarle::ShowRules(game_, RulesDialogPorts{profileView_, profileCalls_, boxPort_, helpPort_},
                     &surface_->Widget());
}

void GameWindow::Deal() {
    engine_.ClearBoard();
    if (engine_.SetUp()) engine_.GoDeal();
}

} // namespace zarle
