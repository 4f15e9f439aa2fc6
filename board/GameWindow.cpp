#include "GameWindow.h"

namespace zarle {

GameWindow::GameWindow(GameState& game, GameWindowServices services)
    : game_(game), pictures_(game.AppPath), surface_(CreateFrmZarle(pictures_)), sound_(game, channel_),
      waiter_(game), opponents_(game), board_(game, pictures_, *surface_,
                                              BoardServices{services.Sound ? *services.Sound : sound_,
                                                            services.Waiter ? *services.Waiter : waiter_,
                                                            services.Box ? *services.Box : box_}),
      engine_(game,
              EnginePorts{board_, services.Sound ? *services.Sound : sound_,
                          services.Waiter ? *services.Waiter : waiter_, services.Box ? *services.Box : box_,
                          random_, opponents_, persistence_, net_}) {
    board_.SetRulesRefresh([this] { engine_.RulesRefresh(); });
}

GameWindow::~GameWindow() = default;

void GameWindow::Deal() {
    engine_.ClearBoard();
    if (engine_.SetUp()) engine_.GoDeal();
}

} // namespace zarle
