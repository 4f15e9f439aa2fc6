#include "tests/support/engine/FakeNeighbours.h"

namespace zarle::testing {

std::vector<uint8_t> FakePersistence::Saving() {
    ++SavesMade;
    t_.Add("Saving");
    std::vector<uint8_t> record(6038, 0);
    record[0] = static_cast<uint8_t>(SavesMade & 0xFF);
    record[1] = static_cast<uint8_t>(SavesMade >> 8);
    return record;
}

bool FakePersistence::ReadPlayerScores(ScoreCategoryTable& scores) {
    t_.Add("ReadPlayerScores");
    if (!ProfileReadable) return false;
    scores = StoredScores;
    return true;
}

void FakePersistence::WritePlayerScores(const ScoreCategoryTable& scores) {
    t_.Add("WritePlayerScores");
    StoredScores = scores;
}

void FakeNetwork::NetSend(std::string_view msg, int index) {
    Sent.emplace_back(msg);
    t_.Add("NetSend " + Quoted(msg) + " " + std::to_string(index));
}

void FakeNetwork::NetBroadcast(std::string_view msg, int exceptIndex) {
    Sent.emplace_back(msg);
    const std::string shown = msg.size() > 40 ? std::string(msg.substr(0, 40)) + "..." : std::string(msg);
    t_.Add("NetBroadcast " + Quoted(shown) + " " + std::to_string(exceptIndex));
}

void FakeNetwork::NetWaitReply(int) {
    if (PeerEvents.empty()) {
        t_.Add("Connection lost");
        s_.NetState = NetGoodbye;
        return;
    }
    auto event = std::move(PeerEvents.front());
    PeerEvents.pop_front();
    event(s_);
}

void FakeNetwork::ConnectionLost() {
    t_.Add("ConnectionLost");
    s_.NetMode = 0;
}

std::function<void(GameState&)> PeerAnswers(NetCode code) {
    return [code](GameState& s) {
        s.NetState = code;
        s.AckCount = s.NumPlayers;
    };
}

std::function<void(GameState&)> PeerSendsDeck(std::string text) {
    return [text = std::move(text)](GameState& s) {
        s.RecoverText = text;
        s.NetState = NetDeck;
    };
}

std::function<void(GameState&)> PeerSendsFirstSeat(int seat) {
    return [seat](GameState& s) {
        s.FirstTurnSeat = static_cast<int16_t>(seat);
        s.NetState = NetFirstTurn;
    };
}

} // namespace zarle::testing
