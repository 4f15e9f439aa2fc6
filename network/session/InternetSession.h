#pragma once
// The internet session: the one door through which the engine, the opponents, the board and the
// saved games reach the network. It starts and ends a network game on this side, keeps the host's
// table of connections, sends and waits, dispatches every received line, replays a remote seat's
// moves and transfers a whole game.

#include "network/session/ChatAllowance.h"
#include "network/protocol/ChatPort.h"
#include "network/session/SessionGamePort.h"
#include "network/session/SessionSockets.h"
#include "network/protocol/WireLine.h"

#include "engine/BoardPort.h"
#include "engine/GameState.h"
#include "engine/NeighbourPorts.h"
#include "opponents/OpponentsPorts.h"
#include "base/records/ProfileState.h"
#include "engine/ServicePorts.h"

#include <QTimer>

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace zarle {

inline constexpr int DefaultNetPort = 41001;

// How far a connection has come through the join handshake. On the host, for each joiner: its
// hello waits for the one under way, is out, has been answered (the joiner counts in NetMode and
// has the host's name), and the joiner has named itself and plays. On a remote, element 0 stands
// for the host: its hello has been answered once.
enum class JoinPhase { Free, HelloWaiting, HelloSent, HelloAnswered, Seated };

struct NetPlayerRec {
    std::string Name;
    int Socket = 0;
    int State = 0; // 0 free, 7 connected
    int Seat = 0;  // 1..3: the host's seats 2..4
    JoinPhase Phase = JoinPhase::Free;
};

// The bounds a session keeps against a peer that misbehaves; tests and the fuzzer shorten them.
struct SessionLimits {
    int HandshakeMs = 15000; // from a joiner's hello to its name
    int SliceMs = 20;        // received lines are handed on for this long, then the event loop runs
    int ChatBurst = 30;      // chat lines a peer may send at once,
    int ChatPerSecond = 10;  // and after that; the rest are dropped
};

struct SessionPorts {
    GameState& State;
    ProfileState& Profile;
    BoardPort& Board;
    MessageBoxPort& Box;
    SoundPort& Sound;
    WaitPort& Waiter;
    ChatPort& Chat;
    SessionGamePort& Game;
};

class InternetSession : public NetworkPort, public RemoteSeatPort {
  public:
    // Without links the connections are Winsocks; a fuzzer brings stand-ins.
    explicit InternetSession(SessionPorts ports, std::unique_ptr<SocketLinks> links = nullptr);
    ~InternetSession() override;

    // Starting: the host listens, a remote connects; both wait for the first handshake. False when
    // the set-up failed (the reason has been shown).
    bool StartHost(int port);
    bool Join(const std::string& hostAddress, int port);
    // The set-up without its wait, for a caller that runs events itself.
    bool BeginHost(int port);
    bool BeginJoin(const std::string& hostAddress, int port);
    // Play can begin once the first handshake is done (the wait of StartHost and Join).
    void BeginPlay();
    // The user ends the network game: the goodbye lines go out, the game may be saved.
    void Leave();
    // The program closes: the goodbye lines go out and every wait ends.
    void ShutDown();
    // Ends the network game on this side.
    void NetCleanUp();

    int ListeningPort() const { return sockets_.ListeningPort(); }
    const NetPlayerRec& Player(int index) const { return players_.at(static_cast<size_t>(index)); }
    int PlayerCount() const;
    // The connection in board seat 2..4 takes the name the player gave it; never an empty one.
    void RenameSeat(int boardSeat, const std::string& name);
    // The chat receiver that gets the chat family of lines and the system's notices.
    void SetChat(ChatPort& chat) { chat_ = &chat; }
    void SetLimits(SessionLimits limits);

    // NetworkPort.
    void NetSend(std::string_view msg, int index) override;
    void NetBroadcast(std::string_view msg, int exceptIndex) override;
    void NetWaitReply(int index) override;
    void Move_Transmit() override;
    void Move_Transmit_Done() override;
    void Scores_Net(std::string_view) override {}
    void EnableChatSend(bool enable) override;
    void ConnectionLost() override;
    void SendNewTable() override;
    void SendRecover() override;

    // RemoteSeatPort.
    void Opponent() override;
    int SocketIndexOfSeat(int netSeat) override;

    // Waits.
    void NetWaitAllPlayers();
    void WaitForOpponent();

  private:
    void PrepareConnection(int isHost);
    // Waits for the first handshake, then play begins; false when the network game ended first.
    bool PlayOnceConnected();

    // Socket events.
    void OnLine(int index, const std::string& line);
    void OnLost(int index);
    void OnTooLong(int index);
    void OnRequest(qintptr request);
    void OnError(int index, int number, const std::string& description);

    // The dispatcher.
    void GetMessage(int index, const WireLine& w);
    // False when the message ends the dispatch at once, without the closing steps.
    bool HostSwitch(int index, const WireLine& w);
    bool RemoteSwitch(const WireLine& w);
    void ClosingSteps(int index);
    bool HostName(int index, const WireLine& w);
    void HostLost(int index, const std::string& why = {});
    // The host's joiners that have come this far.
    int Joined(JoinPhase from) const;
    void RemoteHello(const WireLine& w);
    void RemoteLayout(const WireLine& w);
    void RemoteGameState(const WireLine& w);
    bool HelloCounted(int index, const WireLine& w);
    // False for a joiner's line that does not belong to where its handshake stands.
    bool InOrder(int index, int code) const;
    void PlayOlderPeer();
    // The host has gone, for `why`: the game may be kept, and the network game ends on this side.
    void HostGone(const std::string& why);
    // A peer sent what cannot be used: its connection ends as if it had been lost, with the same
    // offer to keep the game, and this side says why.
    void ProtocolError(int index, std::string_view what);
    // The chat family of lines from one peer: false for a line over its allowance.
    bool ChatAllowed(int index);

    // The host's table.
    void SendHello(int index);
    // The hello of a waiting joiner (the first by element) goes out once no handshake is under way.
    void SendNextHello();
    bool HandshakeUnderWay() const;
    // A joiner that has not finished its handshake leaves without a word to anyone.
    void DropJoiner(int index);
    void FreeElement(int index);
    // A joiner turned away: logged, and told in a box unless one is open already.
    void TellRefusal(const std::string& text, int style, std::string_view title);
    void NetRejectBusy(int index);
    void NetAssignSeats();
    // The avatar the player chose for the opponent of that name, when there is one.
    void LookUpAvatar(SeatRecord& seat);
    void SendLayout();
    void ShowGameInfo();
    void AskSaveEndedGame();
    // The older game-state list for a two-player peer; nothing when that peer cannot take the game
    // (it has been said why).
    std::optional<std::string> OldPeerGameStateList();

    // Moves.
    void Move_Transmit_PlayCard();
    void SendToPeers(const std::string& line);
    // Waits until NetState is `code` with `acks` acknowledgements; false when the exchange broke off.
    bool WaitFor(int code, int acks);
    bool Aborted() const;
    // The host passes a remote seat's message on to the other remotes and waits for their answers.
    bool Relay(const std::string& line);
    // Waits for the mover's next card; false when the turn or the exchange broke off.
    bool AwaitMove();
    // Replays one card of the remote seat onto a center; false when its side pile is empty now.
    bool PlayRemoteCard(int src);
    void DiscardRemoteCard(int src, int slot);
    // A remote seat's hand refilled from the stock; false when a stalemate stopped the game.
    bool RefillRemoteHand();
    void RemoteSeatWins();

    // Board helpers.
    void Label(int index, std::string_view text);
    void Status(std::string_view text);
    void Box(std::string_view text, int style, std::string_view title);
    void ProcessEvents();
    void LetEventsRun();
    void PullOneLine();

    GameState& s_;
    SessionPorts p_;
    ChatPort* chat_;
    SessionSockets sockets_;
    std::array<NetPlayerRec, MaxSockets> players_{};
    int maxSocket_ = 0;
    int lastSocket_ = -1;
    // A joiner that has not named itself this long after its hello is dropped.
    std::array<QTimer, MaxSockets> handshakeLimit_;
    std::array<ChatAllowance, MaxSockets> chatAllowance_;
    bool refusalShown_ = false;
    // Connecting until play begins; Leaving once this side has said goodbye, when the peers'
    // answers while its last lines go out change nothing.
    enum class Phase { Off, Connecting, Playing, Leaving };
    Phase phase_ = Phase::Off;
    int moveFrom_ = 0;
    int moveTo_ = 0;
    // A peer's move that arrived and waits for the remote seat's turn to replay it.
    bool pendingMove_ = false;
    int pendingMoveSocket_ = 0;
    // A bare "PC" (an answer) that came while the remote seat's next card was awaited.
    bool awaitingMove_ = false;
    bool barePlay_ = false;
    // On a remote: the host's "OK" lines not answered yet; one left over is a stalemate decision.
    int unansweredOks_ = 0;
    void CountHostsOk(int code);
    // Which code each socket last acknowledged in the running round of acknowledgements.
    std::array<int, MaxSockets> acked_{};
    // With two or more remotes, the host's running round: the code it awaits and the sockets asked
    // that have not answered yet.
    int awaited_ = NetNone;
    std::array<bool, MaxSockets> asked_{};
    void AskForAnswers(int code, int exceptIndex);
    void CountAck(int index);
    bool undoLogSuspended_ = false;
    std::string ownVersion_;
    SessionLimits limits_;
};

} // namespace zarle
