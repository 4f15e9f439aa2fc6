// The remote's side of the dispatcher: the host's hello and name, new games, the deal, the table
// layout, a whole game, the end of a game and the host leaving.

#include "network/session/InternetSession.h"

#include "network/protocol/GameStateList.h"
#include "network/protocol/Messages.h"
#include "network/protocol/OldGameStateList.h"
#include "network/scores/PeerName.h"
#include "network/protocol/TableLayout.h"

#include "engine/Rules.h"
#include "base/text/VbText.h"

namespace zarle {

bool InternetSession::RemoteSwitch(const WireLine& w) {
    switch (s_.NetState) {
    case NetHello: RemoteHello(w); return true;
    case NetName:
        s_.OppName1 = CleanPeerName(w.Arg);
        s_.DealerName = s_.OppName1;
        s_.SeatRec1.Name = s_.OppName1;
        NetSend(NameLine(s_.PlayerName), 0);
        Label(2, "You are connected to Host: " + s_.OppName1);
        chat_->SystemLine("You are connected to Host: " + s_.OppName1);
        LookUpAvatar(s_.SeatRec1);
        p_.Game.NameCaptions();
        return true;
    case NetNewGame:
        if (MultiplayerPeer(s_.PeerVersion) || phase_ == Phase::Playing) {
            p_.Game.ClearBoard();
            Status("Click the DEAL button to begin.");
            p_.Board.EnablePic(Pics::Picture7, false, 1, SlotCount);
            Label(2, "Click the DEAL button to begin:");
            Label(1, std::string(CRLF) + "HOST began a NEW GAME!");
            p_.Game.Beep();
            p_.Board.SetVisible({Ctl::Command2, 0}, true);
        } else {
            NetSend("GS", 0);
            s_.ReplyFlag = true;
            p_.Board.SetVisible({Ctl::StatusMsg, 0}, false);
        }
        Label(0, "");
        return true;
    case NetDeck: s_.RecoverText = w.Arg; return true;
    case NetFirstTurn:
        // Only the deal takes the seat up: a "TR" in the middle of a game must not move the turn.
        s_.FirstTurnSeat = static_cast<int16_t>(w.Num1);
        if (!MultiplayerPeer(s_.PeerVersion))
            s_.FirstTurnSeat = static_cast<int16_t>(s_.FirstTurnSeat == 1 ? 2 : 1);
        Label(0, " ");
        s_.AckCount = s_.NumPlayers;
        return true;
    case NetGoodbye:
        HostGone("Dealer has terminated game.");
        s_.NetState = NetNone;
        return true;
    case NetGameState: RemoteGameState(w); return true;
    case NetLayout: RemoteLayout(w); return true;
    case NetEndGame:
        p_.Game.ClearBoard();
        Label(1, "Host has ended this game. Wait for the start of a new game.");
        return true;
    default: return true;
    }
}

void InternetSession::HostGone(const std::string& why) {
    sockets_.Close(0);
    Label(1, why);
    chat_->SystemLine(why);
    Box(why, MbCritical, "ZarleNET");
    AskSaveEndedGame();
    NetCleanUp();
    s_.ReplyFlag = true;
}

void InternetSession::RemoteHello(const WireLine&) {
    Status("Waiting for dealer to start game...");
    if (s_.HandSortOn) {
        Box("Your opponent is not playing with the latest version of ZarleNET. Not all features will be "
            "available.",
            MbExclamation, "ZarleNET");
        // A host without a version knows only the number cards.
        if (s_.CardStyle > 5) {
            Box("Unable to use picture playing cards!" + std::string(CRLF) + "Switching to number cards!",
                MbExclamation, "ZarleNET");
            s_.CardStyle = 1;
            p_.Board.Redraw();
        }
    }
    NetSend(JoinerHelloLine(ownVersion_), 0);
    s_.NetMode = 1;
}

void InternetSession::RemoteLayout(const WireLine& w) {
    const auto layout = ReadTableLayout(w, s_.DealerName);
    if (!layout) {
        ProtocolError(0, "a table layout that does not fit");
        return;
    }
    p_.Game.ClearBoard();
    p_.Profile.PrevNumPlayers = s_.NumPlayers;
    p_.Profile.PrevNumCenters = s_.NumCenters;
    for (int i = 0; i < 3; ++i)
        if (layout->SeatNames[i]) s_.Seat(i + 2).Name = CleanPeerName(*layout->SeatNames[i]);
    s_.SeatMode = layout->SeatMode;
    s_.NumPlayers = layout->NumPlayers;
    s_.NumCenters = layout->NumCenters;
    if (s_.NumPlayers != p_.Profile.PrevNumPlayers || s_.NumCenters != p_.Profile.PrevNumCenters)
        p_.Game.ChangeLayout(p_.Profile.PrevNumPlayers, p_.Profile.PrevNumCenters);
    NetSend("LO", 0);
    s_.NetMode = static_cast<int16_t>(s_.NumPlayers - 1);
    s_.DeckSize = static_cast<int16_t>(PackSize * s_.NumPlayers);
    for (int seat = 2; seat <= s_.NumPlayers; ++seat) LookUpAvatar(s_.Seat(seat));
    p_.Game.NameCaptions();
    p_.Game.RulesRefresh();
    if (phase_ != Phase::Playing) s_.NetState = NetLayoutEarly;
    // The connect command's wait ends once the table is known.
    s_.ReplyFlag = true;
}

void InternetSession::RemoteGameState(const WireLine& w) {
    const auto game = MultiplayerPeer(s_.PeerVersion)
                          ? ReadGameStateList(w.Arg, s_.NumPlayers == 2 ? 1 : s_.SeatMode)
                          : ReadOldGameStateList(w.Arg, s_.PeerVersion);
    if (!game || game->Game.NumPlayers != s_.NumPlayers) {
        ProtocolError(0, "a game state that does not add up");
        return;
    }
    const int players = s_.NumPlayers, centers = s_.NumCenters;
    p_.Game.ClearBoard();
    TakeReceivedGame(s_, *game);
    s_.RecoverText.clear();
    if (s_.NumCenters != centers) p_.Game.ChangeLayout(players, centers);
    WhosOnFirst(s_);
    p_.Board.SetVisible({Ctl::ImgTurn1, 0}, s_.PTurn == 1);
    p_.Board.SetVisible({Ctl::ImgTurn2, 0}, s_.PTurn != 1);
    s_.NetRestore = 1;
    p_.Game.RulesRefresh();
    p_.Board.SetVisible({Ctl::ImgHold, 0}, true);
    Status("Click the Deal button to resume this game.");
    Label(1, std::string(CRLF) + "HOST resumed a saved game.");
    if (s_.PeerVersion < FirstSecureSaveVersion) {
        p_.Board.SetCaption({Ctl::LabelPeek, 0}, "This is NOT a secure saved game.");
        p_.Board.SetVisible({Ctl::LabelPeek, 0}, true);
    }
    p_.Board.SetVisible({Ctl::Command2, 0}, true);
    p_.Game.Beep();
}

} // namespace zarle
