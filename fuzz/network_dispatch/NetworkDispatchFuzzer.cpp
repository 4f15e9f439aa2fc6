// A host or a remote session fed a peer's bytes on stand-in links, while its player plays: the
// dispatcher, the waits, the moves and the game transfer must neither crash nor hang, every line
// it sends is one whole line, every card of the deck stays exactly once on the board, and a host
// that still hosts after the input seats the next well-behaved joiner.
//
// Input: the first byte picks the side (bit 0: remote) and the host's players (2 + rest % 3); then
// chunks cut by NUL bytes. A chunk's first byte c says what happens, the rest is its text:
//   c & 0x18 == 0x00  the text arrives on element 1 + (c & 7) % 4 (a remote: element 0)
//   c & 0x18 == 0x08  that peer closes its connection
//   c & 0x18 == 0x10  a joiner knocks at the host
//   c & 0x18 == 0x18  this side's player acts instead of its next step (a wait under way passes
//                     it by): c & 7 = 0 sends the whole game, 1 leaves, 2 chats, 3 switches the peek
// So '@' is data on element 1 (or a remote's 0), 'A'..'C' elements 2..4, 'H' a close, 'P' a knock,
// 'X' the whole game sent.
// When the chunks are used up, a host that still listens is joined by a well-behaved joiner; then
// the program closes, which ends every wait.

#include "fuzz/network_dispatch/DispatchSide.h"
#include "tests/support/engine/GameInvariants.h"
#include "network/protocol/LineFramer.h"
#include "network/protocol/Messages.h"
#include "platform/net/Winsock.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string_view>
#include <vector>

namespace {

using zarle::fuzzing::DispatchSide;

std::vector<std::string_view> Chunks(std::string_view script) {
    std::vector<std::string_view> chunks;
    while (!script.empty()) {
        const size_t end = std::min(script.find('\0'), script.size());
        if (end > 0) chunks.push_back(script.substr(0, end));
        script.remove_prefix(std::min(end + 1, script.size()));
    }
    return chunks;
}

void Fail(const std::string& why) {
    std::fprintf(stderr, "network_dispatch: %s\n", why.c_str());
    std::abort();
}

bool IsAction(std::string_view chunk) {
    return (chunk[0] & 0x18) == 0x18;
}

// What the chat window and the peek key send: one line to every peer.
void SendToPeers(DispatchSide& side, const std::string& line) {
    if (side.State.NetMode == 0) return;
    if (side.State.IsHost != 0)
        side.Session.NetBroadcast(line, 0);
    else
        side.Session.NetSend(line, 0);
}

// The player's own actions run only at the top, never inside a wait.
void Act(DispatchSide& side, char what, std::string_view text) {
    switch (what) {
    case 0: side.Session.SendRecover(); break;
    case 1: side.Session.Leave(); break;
    case 2: {
        // What the chat window hands on is one line: it cleans what was typed.
        std::string typed(text);
        std::replace(typed.begin(), typed.end(), '\n', ' ');
        SendToPeers(side, zarle::ChatLine(++side.State.ChatSeqOut, typed));
        break;
    }
    case 3: SendToPeers(side, zarle::PeekLine(!side.State.PeekOn)); break;
    default: break;
    }
}

bool AnyCard(const zarle::GameState& s) {
    if (s.StockCount != 0 || s.UsedCount != 0 || s.SideCount != 0) return true;
    for (int c = 1; c <= s.NumCenters; ++c)
        if (s.CenterCount[c] != 0) return true;
    return false;
}

// Every card once: with no seat's piles in the working copy, or with one seat's.
void CheckCards(const zarle::GameState& s, const char* when) {
    if (!AnyCard(s)) return;
    std::string problem = zarle::testing::CheckGameInvariants(s, 0);
    for (int seat = 2; seat <= s.NumPlayers && !problem.empty(); ++seat)
        if (zarle::testing::CheckGameInvariants(s, seat).empty()) problem.clear();
    if (!problem.empty()) Fail(std::string("cards lost or doubled ") + when + ": " + problem);
}

// With NETWORK_DISPATCH_TRACE set, what the side sent is printed, to follow an input by hand.
void CheckSent(const DispatchSide& side) {
    static const bool trace = std::getenv("NETWORK_DISPATCH_TRACE") != nullptr;
    for (const auto& [index, bytes] : side.Links->Sent) {
        if (trace) std::fprintf(stderr, "sent on %d: %s", index, bytes.c_str());
        if (trace && &bytes == &side.Links->Sent.back().second)
            std::fprintf(stderr, "the board's last steps:\n%s", side.Tail(100).c_str());
        if (bytes.empty() || bytes.back() != '\n' || bytes.find('\n') != bytes.size() - 1 ||
            bytes.size() > zarle::MaxLineLength + 1)
            Fail("a sent line is not one line: " + bytes.substr(0, 80));
    }
}

// A joiner that answers the host's handshake as the program does. The host must seat it, or turn
// it away only when every seat is held by a seated remote (or an older peer keeps the table at
// two). A joiner still in its handshake holds a seat until its time limit: then it knocks again.
class WellBehavedJoiner {
  public:
    explicit WellBehavedJoiner(DispatchSide& side) : side_(side), started_(Clock::now()) {
        side_.Links->OnSend = [this](int index, std::string_view bytes) {
            if (request_ != 0 && side_.Links->RequestOf(index) == request_) replies_.emplace_back(bytes);
        };
    }
    ~WellBehavedJoiner() { side_.Links->OnSend = nullptr; }

    // One step from the event loop; true once the check is over.
    bool Step() {
        const zarle::GameState& s = side_.State;
        if (s.NetMode == 0 || s.IsHost == 0 || side_.Links->State(0) != zarle::Winsock::StateListening)
            return true; // hosting has ended: nobody to join
        if (Clock::now() - started_ > std::chrono::seconds(5))
            Fail("the host never seated a well-behaved joiner");
        if (request_ == 0) {
            if (Clock::now() >= knockAt_) Knock();
            return false;
        }
        while (!replies_.empty()) {
            const std::string line = replies_.front();
            replies_.pop_front();
            if (line.starts_with("IP")) Answer("IP ^ 8. 2. 0\n");
            if (line.starts_with("NM")) Answer("NM Wendy\n");
            if (line.starts_with("LO")) Answer("LO\n");
            if (line.starts_with("LO") || line == "GS\n") return true; // seated
            if (line.find("Sorry I'm busy!") != std::string::npos) return TurnedAway();
        }
        // Not taken at all: every element was in use.
        if (Element() == 0) return TurnedAway();
        return false;
    }

  private:
    using Clock = std::chrono::steady_clock;

    void Knock() {
        request_ = ++knocks_ + 1000;
        side_.Links->Knock(request_);
    }
    int Element() const {
        for (int e = 1; e < zarle::MaxSockets; ++e)
            if (side_.Links->RequestOf(e) == request_ &&
                side_.Links->State(e) == zarle::Winsock::StateConnected)
                return e;
        return 0;
    }
    void Answer(const std::string& line) {
        if (const int e = Element(); e != 0) side_.Links->Arrive(e, line);
    }
    bool TurnedAway() {
        int seated = 0;
        for (int i = 1; i < zarle::MaxSockets; ++i)
            seated += side_.Session.Player(i).Phase == zarle::JoinPhase::Seated ? 1 : 0;
        const std::string& version = side_.State.PeerVersion;
        if (seated >= side_.State.NumPlayers - 1 || (!version.empty() && !zarle::MultiplayerPeer(version)))
            return true;
        // Once the joiners still in their handshake have run out of time, the seat is free.
        request_ = 0;
        replies_.clear();
        knockAt_ = Clock::now() + std::chrono::milliseconds(DispatchSide::HandshakeMs + 100);
        return false;
    }

    DispatchSide& side_;
    Clock::time_point started_;
    Clock::time_point knockAt_{};
    qintptr request_ = 0;
    qintptr knocks_ = 0;
    std::deque<std::string> replies_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "network_dispatch_fuzzer";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (size == 0) return 0;

    const bool host = (data[0] & 1) == 0;
    DispatchSide side(host, 2 + (data[0] >> 1) % 3, 1);
    const auto chunks = Chunks(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    side.Begin();

    size_t next = 0;
    bool stepping = false;
    bool closed = false;
    qintptr knocks = 0;
    std::unique_ptr<WellBehavedJoiner> joiner;
    QTimer feeder;
    QObject::connect(&feeder, &QTimer::timeout, [&] {
        if (next == chunks.size()) {
            if (host && !joiner) joiner = std::make_unique<WellBehavedJoiner>(side);
            if (joiner && !joiner->Step()) return;
            joiner.reset();
            feeder.stop();
            closed = true;
            // The program closes: the goodbye goes out and every wait ends.
            side.Session.ShutDown();
            side.State.StopWait = true;
            return;
        }
        if (IsAction(chunks[next])) {
            // The player acts at the top, between steps; a wait under way passes the action by.
            if (stepping) ++next;
            return;
        }
        const std::string_view chunk = chunks[next++];
        const char c = chunk[0];
        const std::string_view text = chunk.substr(1);
        const int index = host ? 1 + (c & 7) % 4 : 0;
        switch (c & 0x18) {
        case 0x00: side.Links->Arrive(index, text); break;
        case 0x08: side.Links->PeerCloses(index); break;
        default:
            if (host) side.Links->Knock(++knocks);
            break;
        }
    });
    feeder.start(0);

    while (!closed) {
        if (side.State.PTurn == 1 && !side.State.GameBusy) CheckCards(side.State, "at the player's turn");
        stepping = true;
        bool stepped = true;
        if (next < chunks.size() && IsAction(chunks[next])) {
            const std::string_view chunk = chunks[next++];
            Act(side, chunk[0] & 7, chunk.substr(1));
        } else {
            stepped = side.Step();
        }
        stepping = false;
        if (!stepped) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    CheckSent(side);
    CheckCards(side.State, "at the end");
    return 0;
}
