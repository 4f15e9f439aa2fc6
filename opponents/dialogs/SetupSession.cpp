#include "opponents/dialogs/SetupSession.h"

namespace zarle {

SetupSession::SetupSession(OpponentDialogPorts& ports)
    : ports_(ports), players_(ports.Players.OpenPlayerFile()) {
    ProfileState& profile = ports_.Profile();
    if (players_.IsOpen() && profile.PlayerRecNo >= 1)
        profile.PlayerRec = ReadRecord<PlayerRecord>(players_, profile.PlayerRecNo);
}

void SetupSession::WriteProfile() {
    const ProfileState& profile = ports_.Profile();
    if (profile.PlayerRecNo >= 1)
        ports_.Players.WriteProfile(players_, profile.PlayerRecNo, profile.PlayerRec);
}

} // namespace zarle
