#include "tests/network/session/ScriptedTables.h"

#include <gtest/gtest.h>

namespace zarle::testing {

RemoteAtScriptedHost::RemoteAtScriptedHost() : Side("Pat") {
    const int port = Host.Listen();
    EXPECT_TRUE(Side.Session.BeginJoin("127.0.0.1", port));
    EXPECT_TRUE(RunUntil([&] { return Host.Connected(); }));
}

RemoteSeatTurn::RemoteSeatTurn() {
    Host.Send("IP ^ 8. 2. 0^ 1\nNM Hal\nLO  2  1\n");
    EXPECT_TRUE(RunUntil([&] { return Host.Lines.size() == 3; }));
    Side.Session.BeginPlay();
    Host.Lines.clear();
    GameState& s = Side.State;
    s.NetState = NetNone;
    SeatRecord& seat = s.SeatRec1;
    seat.SideCount = 2;
    seat.SideCards[1] = CardOfId(5);
    seat.SideCards[2] = CardOfId(1);
    seat.Slots[1] = CardOfId(1);
    for (int k = 2; k <= 6; ++k) seat.Slots[k] = CardOfId(k == 2 ? 2 : k == 3 ? 9 : 7 + k);
    s.SideCount = 1;
    s.SideCards[1] = CardOfId(20);
    s.PlayerCards[1] = s.SideCards[1];
    s.PTurn = 2;
    s.TurnOrder = {0, 2, 1};
    s.TurnPos = 1;
    s.OppTurnSign = 1; // the seat's hand is dealt
    s.OwnTurnSign = 1;
}

void RemoteSeatTurn::Script(std::deque<std::string> lines) {
    script_ = std::move(lines);
    Host.OnLine = [this](const std::string&) {
        if (script_.empty()) return;
        Host.Send(script_.front());
        script_.pop_front();
    };
    Host.Send(script_.front());
    script_.pop_front();
}

} // namespace zarle::testing
