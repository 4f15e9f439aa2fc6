// Starting, joining and ending a network game, and the socket events.

#include "network/session/InternetSession.h"

#include "network/protocol/LineFramer.h"
#include "network/protocol/Messages.h"
#include "engine/NetCodes.h"
#include "opponents/PersonalityPacks.h"

#include "base/text/VbText.h"
#include "platform/net/Winsock.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace zarle {

namespace {
const std::string Crlf(CRLF);
}

InternetSession::InternetSession(SessionPorts ports, std::unique_ptr<SocketLinks> links)
    : s_(ports.State), p_(ports), chat_(&ports.Chat),
      sockets_(SocketEvents{[this](int i, const std::string& line) { OnLine(i, line); },
                            [this](int i) { OnLost(i); }, [this](int i) { OnTooLong(i); },
                            [this](qintptr r) { OnRequest(r); },
                            [this](int i, int n, const std::string& d) { OnError(i, n, d); }, nullptr},
               std::move(links)) {
    ownVersion_ = OwnVersionText(8, 2, 0);
    for (int i = 1; i < MaxSockets; ++i) {
        handshakeLimit_[i].setSingleShot(true);
        QObject::connect(&handshakeLimit_[i], &QTimer::timeout, &sockets_, [this, i] {
            if (s_.IsHost != 0 && players_[i].State != 0 && players_[i].Phase != JoinPhase::Seated)
                DropJoiner(i);
        });
    }
}

InternetSession::~InternetSession() = default;

void InternetSession::SetLimits(SessionLimits limits) {
    limits_ = limits;
    sockets_.SetSliceMs(limits.SliceMs);
}

int InternetSession::PlayerCount() const {
    int c = 0;
    for (int i = 1; i <= maxSocket_; ++i) c += players_[i].State != 0 ? 1 : 0;
    return c;
}

void InternetSession::Label(int index, std::string_view text) {
    p_.Board.SetCaption({Ctl::Label9, index}, text);
}

void InternetSession::Status(std::string_view text) {
    p_.Board.SetCaption({Ctl::StatusMsg, 0}, text);
    p_.Board.SetVisible({Ctl::StatusMsg, 0}, true);
}

void InternetSession::Box(std::string_view text, int style, std::string_view title) {
    p_.Box.MsgBox(text, style, title);
}

// One pass of the event loop that sleeps until something happens: a socket, a timer, the user.
void InternetSession::ProcessEvents() {
    sockets_.SleepInWait(true);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    sockets_.SleepInWait(false);
    sockets_.EventsRan();
}

// The events that are pending, without sleeping.
void InternetSession::LetEventsRun() {
    sockets_.SleepInWait(true);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    sockets_.SleepInWait(false);
    sockets_.EventsRan();
}

// Both sides while the connection is being made: network pacing, no game yet, no Deal button.
void InternetSession::PrepareConnection(int isHost) {
    s_.IsHost = static_cast<int16_t>(isHost);
    s_.NetMode = 99;
    s_.SavedMoveDelay = s_.MoveDelay;
    s_.MoveDelay = 0.1f;
    phase_ = Phase::Connecting;
    chatAllowance_[0].Reset(limits_.ChatBurst, limits_.ChatPerSecond, ChatAllowance::Clock::now());
    s_.GameStarted = false;
    s_.PeekOn = false;
    p_.Board.SetVisible({Ctl::Command2, 0}, false);
    Label(2, "");
}

bool InternetSession::BeginHost(int port) {
    PrepareConnection(1);
    s_.PeerVersion.clear();
    maxSocket_ = 0;
    const int error = sockets_.Listen(port);
    if (error != 0) {
        Box("Here's the problem:" + Crlf + "Error " + Str(error) + Crlf + "The port cannot be opened.",
            MbInformation, "ZarleNET");
        if (error == Winsock::ErrAddressInUse)
            Box("If you have changed the Port number, that Port number is already in use by another "
                "application.",
                MbInformation, "ZarleNET");
        NetCleanUp();
        s_.IsHost = 0;
        return false;
    }
    Label(1, "");
    Label(2, "");
    Status("Give your IP address to the player(s)" + Crlf + "waiting to connect to your game.");
    for (int seat = 2; seat <= MaxPlayers; ++seat) s_.Seat(seat).Name.clear();
    p_.Game.RulesRefresh();
    return true;
}

bool InternetSession::BeginJoin(const std::string& hostAddress, int port) {
    PrepareConnection(0);
    if (sockets_.Connect(hostAddress, port) != 0) {
        Box("We're sorry, that number is not in service at this time." + Crlf +
                "Please check your number and dial again.",
            MbExclamation, "ZarleNET");
        s_.IsHost = 9;
        NetCleanUp();
        return false;
    }
    Status("Waiting for Host confirmation..." + Crlf);
    p_.Game.RulesRefresh();
    return true;
}

bool InternetSession::StartHost(int port) {
    return BeginHost(port) && PlayOnceConnected();
}

bool InternetSession::Join(const std::string& hostAddress, int port) {
    return BeginJoin(hostAddress, port) && PlayOnceConnected();
}

bool InternetSession::PlayOnceConnected() {
    WaitForOpponent();
    if (s_.NetMode == 0) return false;
    BeginPlay();
    return true;
}

void InternetSession::BeginPlay() {
    if (p_.Game.UndoLogOpen()) {
        p_.Game.OpenUndoLog(false);
        undoLogSuspended_ = true;
    }
    phase_ = Phase::Playing;
    // An older peer plays its first game at once; the host's New starts the others. The remote
    // deals its hands too, or its board would stay empty while the host's is dealt.
    if (s_.NetMode != 0 && !MultiplayerPeer(s_.PeerVersion)) p_.Game.DealFirstGame();
}

void InternetSession::Leave() {
    if (s_.NetMode == 0) return;
    const int goodbyeSocket = s_.IsHost != 0 ? 1 : 0;
    phase_ = Phase::Leaving;
    if (s_.IsHost != 0 ? PlayerCount() > 0 : sockets_.State(0) == Winsock::StateConnected) {
        ++s_.ChatSeqOut;
        const std::string quit = QuitChatLine(s_.ChatSeqOut, s_.PlayerName);
        if (s_.IsHost != 0) {
            NetBroadcast(quit, 0);
            NetBroadcast(GoodbyeTag, 0);
        } else {
            NetSend(quit, goodbyeSocket);
            NetSend(GoodbyeTag, goodbyeSocket);
        }
        p_.Waiter.Wait(0.5f);
    }
    if (s_.PTurn != 0) AskSaveEndedGame();
    NetCleanUp();
    s_.IsHost = 0;
}

void InternetSession::ShutDown() {
    if (s_.NetMode == 0) return;
    ++s_.ChatSeqOut;
    const std::string line = ShutDownChatLine(s_.ChatSeqOut);
    phase_ = Phase::Leaving;
    if (s_.IsHost != 0) {
        NetBroadcast(line, 0);
        p_.Waiter.Wait(0.02f);
        NetBroadcast(GoodbyeTag, 0);
    } else {
        NetSend(line, 1);
        p_.Waiter.Wait(0.02f);
        NetSend(GoodbyeTag, 1);
    }
    p_.Waiter.Wait(0.5f);
    s_.StopWait = true;
    NetCleanUp();
}

void InternetSession::NetCleanUp() {
    sockets_.CloseAll();
    for (QTimer& limit : handshakeLimit_) limit.stop();
    maxSocket_ = 0;
    players_ = {};
    lastSocket_ = -1;
    pendingMove_ = false;
    unansweredOks_ = 0;
    s_.LastCmd = {};
    p_.Board.SetVisible({Ctl::StatusMsg, 0}, false);
    p_.Board.SetVisible({Ctl::imgIcon, 0}, false);
    if (s_.SavedMoveDelay > 0) s_.MoveDelay = s_.SavedMoveDelay;
    s_.SavedMoveDelay = 0;
    s_.NetMode = 0;
    EnableChatSend(false);
    chat_->SessionEnded();
    s_.GameStarted = false;
    // The personalities' chat sounds copied for the network game go; the local opponents bring
    // their own back.
    if (!s_.AppPath.empty()) RemoveAllPackSounds(s_.AppPath);
    p_.Game.RestoreLocalOpponents();
    s_.OutMsg.clear();
    s_.PeerVersion.clear();
    for (int i = 0; i <= 2; ++i) Label(i, "");
    p_.Board.SetCaption({Ctl::LabelPeek, 0}, "");
    p_.Board.SetVisible({Ctl::LabelPeek, 0}, false);
    s_.PeekOn = false;
    s_.NetGames = s_.NetWins = s_.NetMargin = 0;
    p_.Board.SetVisible({Ctl::Command2, 0}, false);
    s_.HandSortOn = false;
    if (undoLogSuspended_) {
        undoLogSuspended_ = false;
        p_.Game.OpenUndoLog(true);
    }
    phase_ = Phase::Off;
    p_.Game.RulesRefresh();
    s_.DealerName = "Zarle";
    s_.PTurn = 0;
    s_.TurnCounter = 0;
    p_.Board.EnablePic(Pics::Picture7, false, 1, SlotCount);
    Label(2, "Select NEW from the Game Menu to start a new game.");
}

void InternetSession::AskSaveEndedGame() {
    if (s_.PTurn == 0) return;
    if (p_.Box.MsgBox("This game has ended. Would you like to save this game?", MbYesNo, "Save Game") ==
        AnswerYes) {
        s_.SaveFromNet = true;
        p_.Game.SaveGame();
    }
    p_.Game.ClearBoard();
}

void InternetSession::EnableChatSend(bool) {
    // The chat window's button belongs to the chat window; it checks the connection
    // and the turn itself.
}

// --- Socket events ---

void InternetSession::OnLine(int index, const std::string& line) {
    if (s_.NetMode == 0 || phase_ == Phase::Leaving) return;
    const bool chat = line.starts_with("SY") || line.starts_with("PK");
    // A joiner takes part once it has named itself; until then only its handshake counts.
    if (s_.IsHost != 0 && players_[index].Phase != JoinPhase::Seated && chat) return;
    if (chat) {
        if (!ChatAllowed(index)) return;
        if (line.starts_with("PK")) s_.OpponentPeeking = ReadWireFlag(std::string_view(line).substr(2));
        chat_->ChatLine(line, index);
        return;
    }
    GetMessage(index, ParseWireLine(line, s_.IsHost == 0));
}

bool InternetSession::ChatAllowed(int index) {
    switch (chatAllowance_[index].Next(ChatAllowance::Clock::now())) {
    case ChatAllowance::Verdict::Take: return true;
    case ChatAllowance::Verdict::Drop: return false;
    case ChatAllowance::Verdict::DropAndTell: break;
    }
    const std::string name = s_.IsHost != 0 ? players_[index].Name : s_.DealerName;
    chat_->SystemLine(name + " sent too many chat lines: the rest of them are not shown.");
    return false;
}

void InternetSession::OnLost(int index) {
    if (s_.NetMode == 0) return;
    if (phase_ == Phase::Leaving) {
        sockets_.Close(index);
        return;
    }
    if (s_.IsHost != 0 && (index == 0 || players_[index].State == 0)) {
        sockets_.Close(index);
        return;
    }
    if (s_.IsHost != 0 && players_[index].Phase != JoinPhase::Seated) {
        DropJoiner(index);
        return;
    }
    s_.NetState = NetGoodbye;
    WireLine lost;
    lost.Code = NetGoodbye;
    GetMessage(index, lost);
}

void InternetSession::OnTooLong(int index) {
    if (s_.NetMode == 0 || phase_ == Phase::Leaving) return;
    if (s_.IsHost != 0 && (index == 0 || players_[index].State == 0)) return;
    if (s_.IsHost != 0 && players_[index].Phase != JoinPhase::Seated) {
        DropJoiner(index);
        return;
    }
    ProtocolError(index, "a line longer than " + std::to_string(MaxLineLength / 1024) + " KiB");
}

void InternetSession::OnError(int index, int number, const std::string& description) {
    const std::string detail = "Error " + Str(number) + Crlf + description;
    if (number == Winsock::ErrConnectionRefused) {
        const std::string text =
            s_.IsHost != 0 ? "If you are acting as the HOST, your Firewall may be blocking the game." + Crlf +
                                 "Change your Firewall settings to allow ZarleNET to act as a server." + Crlf
                           : "The HOST is not listening!" + Crlf +
                                 "HOST must obtain IP ADDRESS first and have started their Connection." +
                                 Crlf + "Check that you have the correct IP ADDRESS from the HOST." + Crlf;
        Box(text, MbCritical, "ZarleNET");
        Box("Restart ZarleNET to connect correctly." + Crlf + detail, MbInformation, "ZarleNET");
        NetCleanUp();
        s_.IsHost = 9;
        return;
    }
    if (number == Winsock::ErrAddressInUse) {
        Box("Resetting the Local Port!" + Crlf + detail + Crlf +
                "(No problem, just do the ZarleNET connection again.)",
            MbCritical, "ZarleNET");
    } else {
        Box("Here's the problem:" + Crlf + detail, MbInformation, "ZarleNET");
        if (number == Winsock::ErrConnectionReset)
            Box("That means somebody got bumped off line." + Crlf +
                    "And ZARLE had absolutely nothing to do with it!",
                MbCritical, "ZarleNET");
    }
    // A joiner's broken connection on the host is a player leaving, not the end of the game.
    if (s_.IsHost != 0 && index > 0 && s_.NetMode != 0) {
        OnLost(index);
        return;
    }
    p_.Board.SetVisible({Ctl::StatusMsg, 0}, false);
    if (s_.PTurn != 0 && p_.Box.MsgBox("Do you want to save this game?", MbYesNo, "Save Game") == AnswerYes) {
        s_.SaveFromNet = true;
        p_.Game.SaveGame();
    }
    if (s_.IsHost != 9) NetCleanUp();
}

void InternetSession::OnRequest(qintptr request) {
    if (s_.IsHost == 0 || s_.NetMode == 0) return;
    // Connections count from their accept on, before their hello is answered: joiners that knock
    // at the same moment each get an element of their own.
    const int joined = PlayerCount();
    int element = 0;
    if (maxSocket_ <= joined) {
        if (maxSocket_ >= MaxSockets - 1) return; // every element is taken: the request is turned away
        element = ++maxSocket_;
    } else {
        for (int i = 1; i <= maxSocket_ && element == 0; ++i)
            if (players_[i].State == 0) element = i;
        if (element == 0) return;
    }
    if (sockets_.Accept(element, request) != 0) return;
    players_[element] = NetPlayerRec{"", element, 7, 0, JoinPhase::HelloWaiting};
    chatAllowance_[element].Reset(limits_.ChatBurst, limits_.ChatPerSecond, ChatAllowance::Clock::now());
    // A seat may be held by a joiner still in its handshake; only a known peer of an older
    // version keeps the table at two players.
    const bool oldPeer = !s_.PeerVersion.empty() && !MultiplayerPeer(s_.PeerVersion);
    const bool allowed = joined == 0 || (!oldPeer && element != 4 && joined + 1 < s_.NumPlayers);
    if (!allowed) {
        NetRejectBusy(element);
        const std::string why =
            oldPeer ? std::string(
                          "Your current opponent does not have ZarleNET Multiplayer so new players cannot "
                          "join this game.")
                    : "Your game is setup for " + CStr(s_.NumPlayers) +
                          " players. Change the Player Setup if you want to add a player. Then ask the new "
                          "opponent to connect.";
        TellRefusal("A new opponent tried to join this game." + Crlf + why, MbInformation,
                    "Connection Request Denied");
        s_.NetState = NetNone;
        return;
    }
    SendNextHello();
}

void InternetSession::TellRefusal(const std::string& text, int style, std::string_view title) {
    std::string logged = text;
    for (size_t at; (at = logged.find(Crlf)) != std::string::npos;) logged.replace(at, Crlf.size(), " ");
    chat_->SystemLine(std::string(title) + ": " + logged);
    // While the box is open, further refusals are only logged: a flood never stacks boxes.
    if (refusalShown_) return;
    refusalShown_ = true;
    Box(text, style, title);
    refusalShown_ = false;
}

} // namespace zarle
