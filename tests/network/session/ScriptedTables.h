#pragma once
// Tables set up with scripted peers for the session's tests.

#include "tests/support/netplay/NetSide.h"

namespace zarle::testing {

// A remote side joined to a scripted host.
struct RemoteAtScriptedHost {
    RemoteAtScriptedHost();
    NetSide Side;
    ScriptedPeer Host;
};

// A remote side in a two-player game whose opponent seat (the host) is about to move.
struct RemoteSeatTurn : RemoteAtScriptedHost {
    RemoteSeatTurn();
    // The host answers each acknowledgement with the next line of the script.
    void Script(std::deque<std::string> lines);
    std::deque<std::string> script_;
};

} // namespace zarle::testing
