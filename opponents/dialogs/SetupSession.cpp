#include "SetupSession.h"

namespace zarle {

SetupSession::SetupSession(OpponentDialogPorts& ports)
    : ports_(ports), players_(ports.Players.OpenPlayerFile()) {
    GameState& s = ports_.Game;
    if (players_.IsOpen() && s.PlayerRecNo >= 1)
        s.PlayerRec = ReadRecord<PlayerRecord>(players_, s.PlayerRecNo);
}

void SetupSession::WriteProfile() {
    const GameState& s = ports_.Game;
    if (s.PlayerRecNo >= 1) ports_.Players.WriteProfile(players_, s.PlayerRecNo, s.PlayerRec);
}

} // namespace zarle
