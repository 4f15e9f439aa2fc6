#include "tests/support/netplay/NetPlayHarness.h"

#include "opponents/ComputerPlayer.h"
#include "engine/Engine.h"
#include "network/session/EngineSessionGame.h"
#include "tests/support/engine/FakeBoard.h"
#include "tests/support/engine/FakeNeighbours.h"
#include "tests/support/engine/FakeServices.h"
#include "tests/support/engine/GameInvariants.h"
#include "network/session/InternetSession.h"
#include "tests/support/netplay/NetSide.h"
#include "tests/support/netplay/OutOfCards.h"
#include "tests/support/engine/SimpleHuman.h"
#include "tests/support/engine/Transcript.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <sstream>

namespace zarle::testing {

namespace {

using Clock = std::chrono::steady_clock;

// What every side shares with the others: the host's port, the count of seated remotes, the end.
struct Shared {
    std::atomic<int> Port{0};
    std::atomic<int> Joined{0};
    std::atomic<bool> Stop{false};
    std::mutex Lock;
    std::string Problem;
    void Fail(const std::string& why) {
        std::lock_guard<std::mutex> guard(Lock);
        if (Problem.empty()) Problem = why;
        Stop = true;
    }
};

struct Snapshot {
    std::string Board;
    Clock::time_point At;
    bool Sent = false; // this side made the move
};

// The host seat of a seat of this side.
int HostSeat(const GameState& s, int seat) {
    if (s.IsHost != 0) return seat;
    const int own = s.NumPlayers == 2 ? 2 : s.SeatMode + 1;
    return (seat - 1 + own - 1) % s.NumPlayers + 1;
}

std::string BoardText(const GameState& s) {
    std::ostringstream out;
    auto card = [&out](CardRec c) { out << c.Id << (c.Value == CardRank(c.Id) ? "" : "!") << ' '; };
    out << "stock";
    for (int k = 1; k <= s.StockCount; ++k) card(s.Deck.CardAt(k));
    out << "|used";
    for (int k = 1; k <= s.UsedCount; ++k) card(s.UsedCards[k]);
    for (int c = 1; c <= s.NumCenters; ++c) {
        out << "|center";
        for (int k = 1; k <= s.CenterCount[c]; ++k) card(s.CenterCards[c][k]);
    }
    std::vector<std::string> seats(static_cast<size_t>(s.NumPlayers) + 1);
    for (int seat = 1; seat <= s.NumPlayers; ++seat) {
        std::ostringstream one;
        auto add = [&one](CardRec c) { one << c.Id << ' '; };
        const bool working = seat >= 2 && seat == s.PTurn;
        if (seat == 1) {
            one << "side";
            for (int k = 1; k <= s.SideCount; ++k) add(s.SideCards[k]);
            one << "hand";
            for (int k = 2; k <= 6; ++k) add(s.PlayerCards[k]);
            for (int h = 1; h <= HoldPiles; ++h) {
                one << "hold";
                for (int d = 1; d <= s.HoldCount[h]; ++d) add(s.HoldCards[h][d]);
                if (s.PlayerCards[h + 6].Id != 0) add(s.PlayerCards[h + 6]);
            }
        } else {
            const SeatRecord& r = s.Seat(seat);
            const int sideCount = working ? s.WorkSideCount : r.SideCount;
            const SidePile& side = working ? s.WorkSideCards : r.SideCards;
            const SlotRow& row = working ? s.WorkSlots : r.Slots;
            one << "side";
            for (int k = 1; k <= sideCount; ++k) add(side[k]);
            one << "hand";
            for (int k = 2; k <= 6; ++k) add(row[k]);
            for (int h = 1; h <= HoldPiles; ++h) {
                one << "hold";
                const int depth = working ? s.WorkHoldInfo[h][1] : r.HoldInfo[h][1];
                for (int d = 1; d <= depth; ++d) add(working ? s.WorkHoldCards[h][d] : r.HoldCards[h][d]);
            }
        }
        seats[HostSeat(s, seat)] = one.str();
    }
    for (int seat = 1; seat <= s.NumPlayers; ++seat) out << "|seat" << seat << ' ' << seats[seat];
    return out.str();
}

// One side: its game and the recording doors between its engine and its session.
class PlaySide : public NetworkPort, public SessionGamePort {
  public:
    PlaySide(const std::string& name, int players, Shared& shared, const NetPlayOptions& options)
        : options_(options), shared_(shared), random_(options.Seed * 31 + static_cast<unsigned>(name[0])),
          session_(SessionPorts{state_, profile_, board_, box_, sound_, waiter_, chat_, *this}),
          opponents_(state_, engine_,
                     OpponentsPorts{board_, sound_, waiter_, random_, persistence_, *this, window_, timer_,
                                    &session_}),
          engine_(state_,
                  EnginePorts{board_, sound_, waiter_, box_, random_, opponents_, persistence_, *this}),
          game_(engine_, opponents_) {
        state_.PlayerName = name;
        state_.NumPlayers = static_cast<int16_t>(players);
        state_.NumCenters = static_cast<int16_t>(players > 2 ? 4 : 3);
        state_.DeckSize = static_cast<int16_t>(PackSize * players);
        state_.SideSizeM1 = 19;
        state_.MoveDelay = 0;
        if (options.EagerHumans) waiter_.OnEvents = [this] { KeyAsTheTurnComes(); };
    }

    GameState& State() { return state_; }
    InternetSession& Session() { return session_; }
    Engine& Game() { return engine_; }
    FakeBoard& Board() { return board_; }
    std::vector<Snapshot> Snapshots;
    // The last lines of this side's board transcript, for a report that something went wrong.
    std::string Tail() const {
        const auto& lines = log_.Lines();
        std::string out;
        for (size_t i = lines.size() > 25 ? lines.size() - 25 : 0; i < lines.size(); ++i)
            out += "\n  " + lines[i];
        return out;
    }
    int Reshuffles = 0;
    int Stalemates = 0;
    int StaleRecoveries() const { return static_cast<int>(log_.Containing("CLEARING Center").size()); }

    // The scripted human: every card that fits a center (side pile first), then a discard. False
    // when the move changed nothing, so that the side sleeps until something arrives.
    bool HumanTurn() {
        const size_t before = Snapshots.size();
        PlayOneCard();
        return Snapshots.size() != before;
    }

    void PlayOneCard() {
        if (!PlaySimpleMove(state_, engine_, options_.Hoard)) shared_.Fail(state_.PlayerName + " has no move");
    }

    // What the event loop does first: the input held meanwhile goes on.
    void HandOnHeldInput() { waiter_.Player.HandOn(); }

    // NetworkPort: the engine's door, recording the human's moves on their way out.
    void NetSend(std::string_view msg, int index) override {
        if (msg.starts_with("DK") && state_.StockCount != state_.DeckSize) ++Reshuffles;
        session_.NetSend(msg, index);
    }
    void NetBroadcast(std::string_view msg, int exceptIndex) override {
        if (msg.starts_with("DK") && msg.size() < 5 * static_cast<size_t>(state_.DeckSize)) ++Reshuffles;
        session_.NetBroadcast(msg, exceptIndex);
    }
    void NetWaitReply(int index) override {
        if (state_.StaleState == 1) ++Stalemates, state_.StaleState = 3;
        session_.NetWaitReply(index);
    }
    void Move_Transmit() override {
        Record(true, 0);
        session_.Move_Transmit();
    }
    void Move_Transmit_Done() override {
        Record(true, 0);
        session_.Move_Transmit_Done();
    }
    void Scores_Net(std::string_view winner) override { session_.Scores_Net(winner); }
    void EnableChatSend(bool enable) override { session_.EnableChatSend(enable); }
    void ConnectionLost() override { session_.ConnectionLost(); }
    void SendNewTable() override { session_.SendNewTable(); }
    void SendRecover() override { session_.SendRecover(); }

    // SessionGamePort: the remote seats' moves recorded as they are replayed.
    void ClearBoard() override { game_.ClearBoard(); }
    void ChangeLayout(int players, int centers) override { game_.ChangeLayout(players, centers); }
    void NameCaptions() override {}
    void RulesRefresh() override { game_.RulesRefresh(); }
    void SaveGame() override {}
    bool UndoLogOpen() override { return false; }
    void OpenUndoLog(bool) override {}
    void RestoreLocalOpponents() override {}
    void Beep() override {}
    void Deal_Players(Pics pics, SlotRow& cards) override { game_.Deal_Players(pics, cards); }
    void Hand_Sort(SlotRow& cards, Pics pics, int from, int to) override {
        game_.Hand_Sort(cards, pics, from, to);
        Record(false, state_.PTurn);
    }
    void Comp_Flip(int slot, int target, Pics pics, CardRec holdTopNext) override {
        game_.Comp_Flip(slot, target, pics, holdTopNext);
        Record(false, state_.PTurn);
    }
    void Move_End_Turn(Pics pics) override {
        Record(false, state_.PTurn);
        game_.Move_End_Turn(pics);
    }
    void Add_Used() override { game_.Add_Used(); }
    void Game_End() override { game_.Game_End(); }
    void ComputerTurn() override { game_.ComputerTurn(); }
    void DealFirstGame() override { game_.DealFirstGame(); }

  private:
    void KeyAsTheTurnComes() {
        const bool mine = state_.PTurn == 1;
        if (mine && !turnWasMine_)
            waiter_.Player.Input([this] {
                if (state_.PTurn == 1 && !state_.GameBusy) PlayOneCard();
            });
        turnWasMine_ = mine;
    }

    void Record(bool sent, int loadedSeat) {
        Snapshots.push_back({BoardText(state_), Clock::now(), sent});
        if (!options_.CheckCards) return;
        const std::string problem = CheckGameInvariants(state_, loadedSeat);
        if (!problem.empty())
            shared_.Fail(state_.PlayerName + " after move " + std::to_string(Snapshots.size()) + ": " +
                         problem);
    }

    const NetPlayOptions& options_;
    Shared& shared_;
    GameState state_;
    ProfileState profile_;
    Transcript log_;
    FakeBoard board_{log_};
    FakeSound sound_{log_};
    FakeWaiter waiter_{log_};
    FakeMessageBox box_{log_};
    FakeRandom random_;
    FakePersistence persistence_{log_};
    QuietWindow window_;
    QuietTimer timer_;
    RecordingChat chat_;
    InternetSession session_;
    ComputerPlayer opponents_;
    Engine engine_;
    EngineSessionGame game_;
    bool turnWasMine_ = false;
};

// One pass of this side's idle event loop: it sleeps until something happens, as the program's
// own loop does (the watchdog's timer wakes it at the latest). A side sleeps only when it has
// nothing to do, or every move would wait for the watchdog.
void RunEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

bool DealButtonShown(FakeBoard& board) {
    auto it = board.Visible.find("Command2");
    return it != board.Visible.end() && it->second;
}

void HostLoop(PlaySide& side, Shared& shared, const NetPlayOptions& o, NetPlayReport& report) {
    GameState& s = side.State();
    if (!side.Session().BeginHost(0)) return shared.Fail("the host cannot listen");
    shared.Port = side.Session().ListeningPort();
    const auto seated = [&] {
        return s.NetMode == o.Players - 1 && s.AckCount == o.Players && shared.Joined == o.Players - 1;
    };
    while (!seated()) {
        if (shared.Stop) return;
        RunEvents();
    }
    side.Session().BeginPlay();
    int started = 0;
    // A run-out position can still meet a completed center, whose cards the refill reshuffles:
    // then the cards run out again a few moves later, until a stalemate has come.
    int lastTransferAt = 0;
    const auto transferDue = [&] {
        const int moves = static_cast<int>(side.Snapshots.size());
        return o.TransferAfterMoves > 0 && moves >= lastTransferAt + o.TransferAfterMoves &&
               (report.Transfers == 0 || (o.RunOutOfCards && side.StaleRecoveries() == 0));
    };
    while (!shared.Stop) {
        side.HandOnHeldInput();
        if (s.NetMode == 0 || s.StopWait) return shared.Fail("the host lost its table" + side.Tail());
        if (s.PTurn == 0 && !s.GameBusy) {
            if (s.StaleState == 1 || s.StaleState == 3) s.StaleState = 0;
            if (started > 0) ++report.GamesFinished;
            if (started == o.Games) break;
            ++started;
            side.Game().Game_New();
            continue;
        }
        if (s.PTurn == 1) {
            if (transferDue()) {
                lastTransferAt = static_cast<int>(side.Snapshots.size());
                ++report.Transfers;
                if (o.RunOutOfCards) RunOutOfCards(s);
                side.Session().SendRecover();
                continue;
            }
            if (side.HumanTurn()) continue;
        }
        RunEvents();
    }
    side.Session().Leave();
}

void RemoteLoop(PlaySide& side, Shared& shared) {
    GameState& s = side.State();
    while (shared.Port == 0) {
        if (shared.Stop) return;
        QThread::msleep(1);
    }
    if (!side.Session().BeginJoin("127.0.0.1", shared.Port)) return shared.Fail("a remote cannot connect");
    while (!s.ReplyFlag) {
        if (shared.Stop || s.NetMode == 0) return shared.Fail("a remote was not seated");
        RunEvents();
    }
    side.Session().BeginPlay();
    ++shared.Joined;
    while (s.NetMode != 0 && !s.StopWait) {
        side.HandOnHeldInput();
        if (DealButtonShown(side.Board())) {
            side.Board().Visible["Command2"] = false;
            side.Game().Command2_Click();
            continue;
        }
        if (s.PTurn == 1 && !s.GameBusy && side.HumanTurn()) continue;
        RunEvents();
    }
}

} // namespace

NetPlayReport PlayNetGames(const NetPlayOptions& o) {
    NetPlayReport report;
    Shared shared;
    std::vector<std::unique_ptr<PlaySide>> sides(static_cast<size_t>(o.Players));
    std::vector<QThread*> threads;
    const auto started = Clock::now();
    for (int i = 0; i < o.Players; ++i) {
        threads.push_back(QThread::create([&, i] {
            auto side =
                std::make_unique<PlaySide>(i == 0 ? "Hal" : "R" + std::to_string(i), o.Players, shared, o);
            // A side that broke off ends every wait of the others, as closing the program would.
            QTimer watchdog;
            QObject::connect(&watchdog, &QTimer::timeout, [&] {
                if (shared.Stop || Clock::now() - started > std::chrono::seconds(o.TimeLimitSeconds)) {
                    shared.Fail("the games did not finish in time");
                    side->State().StopWait = true;
                }
            });
            watchdog.start(50);
            if (i == 0)
                HostLoop(*side, shared, o, report);
            else
                RemoteLoop(*side, shared);
            // The goodbye lines leave before the sockets close with the thread that made them.
            for (int k = 0; k < 10; ++k) RunEvents();
            side->Session().NetCleanUp();
            for (int k = 0; k < 5; ++k) RunEvents();
            sides[static_cast<size_t>(i)] = std::move(side);
        }));
        threads.back()->start();
    }
    for (QThread* t : threads) {
        t->wait();
        delete t;
    }
    report.Seconds = std::chrono::duration<double>(Clock::now() - started).count();
    report.Problem = shared.Problem;
    const auto& host = sides[0]->Snapshots;
    report.Moves = static_cast<int>(host.size());
    report.StaleRecoveries = sides[0]->StaleRecoveries();
    for (const auto& side : sides) {
        report.Reshuffles = std::max(report.Reshuffles, side->Reshuffles);
        report.Stalemates = std::max(report.Stalemates, side->Stalemates);
        report.StaleRecoveries = std::min(report.StaleRecoveries, side->StaleRecoveries());
        const auto& mine = side->Snapshots;
        for (size_t k = 0; k < std::min(host.size(), mine.size()); ++k) {
            if (mine[k].Board != host[k].Board) {
                report.Problem += side->State().PlayerName + " differs from the host after move " +
                                  std::to_string(k + 1) + ":\n" + mine[k].Board + "\n" + host[k].Board;
                return report;
            }
        }
        if (!report.Problem.empty() && std::getenv("NETPLAY_DEBUG")) {
            const GameState& g = side->State();
            report.Problem += "\n" + g.PlayerName + " PTurn " + std::to_string(g.PTurn) + " NetState " +
                              std::to_string(g.NetState) + " AckCount " + std::to_string(g.AckCount) +
                              " transcript:" + side->Tail();
            for (size_t k = mine.size() > 3 ? mine.size() - 3 : 0; k < mine.size(); ++k)
                report.Problem +=
                    "\n" + side->State().PlayerName + " " + std::to_string(k) + ": " + mine[k].Board;
        }
        if (mine.size() != host.size() && report.Problem.empty()) {
            report.Problem = side->State().PlayerName + " saw " + std::to_string(mine.size()) +
                             " moves, the host " + std::to_string(host.size());
            return report;
        }
    }
    if (!report.Problem.empty()) return report;
    for (size_t k = 0; k < host.size(); ++k) {
        Clock::time_point sent{}, applied{};
        for (const auto& side : sides) {
            const Snapshot& snap = side->Snapshots[k];
            if (snap.Sent)
                sent = snap.At;
            else
                applied = std::max(applied, snap.At);
        }
        if (sent != Clock::time_point{} && applied >= sent)
            report.MoveLatencies.push_back(std::chrono::duration<double, std::milli>(applied - sent).count());
    }
    return report;
}

} // namespace zarle::testing
