// A new game on request, and the end of a game with its result, margin and scores.

#include "engine/Engine.h"
#include "engine/Rules.h"
#include "engine/Saturating.h"

#include "base/text/VbText.h"

namespace zarle {

namespace {

const std::string Crlf(CRLF);
constexpr int WarnGamesAbove = 32000;

} // namespace

void Engine::Game_New() {
    if (Local() && s_.FlowRunning) {
        s_.FlowNewGame = true;
        Command2_Click();
        return;
    }
    s_.FlowNewGame = false;
    Show(Ctl::Command2, 0, false);
    if (Local() && (s_.WorkSideCount == 1 || s_.WorkSideCount == 2)) {
        const std::string& title = s_.SeatRec1.Name;
        if (s_.SideCount >= s_.WorkSideCount + 10) {
            s_.MsgAnswer = static_cast<int16_t>(
                p_.Box.MsgBox("Sure, go ahead, start a new game when I'm winning!", MbOkOnly, title));
        } else if (s_.SideCount > s_.WorkSideCount) {
            s_.MsgAnswer = static_cast<int16_t>(p_.Box.MsgBox(
                "Are you serious?!" + Crlf + "I'm about to win and you want to start a new game???", MbYesNo,
                title));
            if (s_.MsgAnswer == AnswerNo) return;
        }
    }
    s_.TurnCounter = 0;
    Caption(Ctl::Label9, 1, "");
    Caption(Ctl::Label9, 2, "");
    if (!Local() && !AnnounceNetGame()) return;
    p_.Board.UnloadForm("frmHold");
    if (Local()) ClearBoard();
    PlaySound(122);
    if (!s_.GameStarted && s_.CardStyle > 5) {
        p_.Board.SetBorderStyle({Ctl::Picture7, 1}, 0);
        p_.Board.SetBorderStyle({Ctl::Picture1, 1}, 0);
    }
    if (Local() && s_.GameStarted) p_.Persistence.ShowWelcome();
    s_.GameStarted = true;
    if (SetUp()) GoDeal();
}

bool Engine::AnnounceNetGame() {
    ClearBoard();
    if (s_.NumPlayers != s_.NetMode + 1) {
        p_.Box.MsgBox(
            "You have" + Str(s_.NetMode) + " opponent(s)." + Crlf +
                "Use the Internet Menu, Internet Players Setup option to change the setup to match the "
                "number of players.",
            MbOkOnly, "");
        return false;
    }
    p_.Board.EnablePic(Pics::Picture7, false, 1, SlotCount);
    Show(Ctl::StatusMsg, 0, false);
    p_.Net.NetBroadcast("GS", 0);
    s_.AckCount = 1;
    if (s_.NetMode != 0) {
        Caption(Ctl::StatusMsg, 0, "Waiting for opponent(s)");
        Show(Ctl::StatusMsg, 0, true);
        Caption(Ctl::Label9, 0, "WAITING for Opponent");
    }
    if (!NetWaitUntil([this] { return s_.NetState == NetNewGame && s_.AckCount == s_.NumPlayers; },
                      {NetGoodbye, NetEndGame}))
        return false;
    Show(Ctl::StatusMsg, 0, false);
    Caption(Ctl::Label9, 0, "");
    return true;
}

void Engine::Game_End() {
    s_.GameBusy = true;
    s_.AwaitHuman = false;
    s_.GameEnding = true;
    p_.Board.EnablePic(Pics::Picture7, false, 2, 6);
    if (s_.SideCount == 0 && s_.WorkSideCount == 0) {
        // No side pile has just been emptied: there is no game to end.
        s_.GameBusy = false;
        s_.GameEnding = false;
        return;
    }
    const bool humanWon = s_.SideCount == 0;
    std::string winnerName;
    int winner = 0;
    if (!humanWon) {
        GoUpdateOpponents();
        winnerName = s_.PTurn >= 2 && s_.PTurn <= s_.NumPlayers ? s_.Seat(s_.PTurn).Name : s_.WorkName;
        const auto& names = s_.Personalities[1];
        while (winner < static_cast<int>(names.size()) && Trim(names[winner]) != winnerName) ++winner;
    }
    if (humanWon)
        p_.Persistence.StatsCk(1, 2);
    else
        p_.Persistence.StatsCk(3, 4);
    // A network game is counted before anything can arrive: a player who leaves meanwhile clears
    // the board, and the scores are those of the game as it ended.
    if (!Local()) CountNetGame(humanWon, winnerName);

    s_.PTurn = 0;
    Caption(Ctl::Label9, 1, " ");
    if (Local()) Caption(Ctl::Label9, 2, " ");
    s_.ResultText = " ";
    s_.PeekOn = true;
    Peek();
    // The hands are shown, not peeked at: the next game, a restore and the Help menu start blind.
    s_.PeekOn = false;
    const int margin = DoTheMargin(s_);
    SetResultText(humanWon, margin);
    Caption(Ctl::Label9, 1, s_.ResultText);

    if (Local())
        UpdateLocalScores();
    else if (!ShowNetScores())
        return;

    s_.GameBusy = false;
    if (s_.StopWait) return;
    p_.Board.EnablePic(Pics::Picture7, true, 7, SlotCount);
    if (s_.SideCount != 0) p_.Board.SetEnabled({Ctl::Picture7, 1}, true);
    s_.TurnCounter = 0;
    p_.Board.GetImgHoldpic();
    if (Local() && s_.NetState != NetGoodbye) {
        if (!humanWon && !s_.NoWinAnimation) {
            PlayPersonalitySound(s_.Sounds[13], SoundPlay::Async);
            p_.Board.Flash(winner);
            if (s_.StopWait) return;
        }
        Caption(Ctl::Label9, 2, s_.MsgText);
        Show(Ctl::Command2, 0, true);
        if (humanWon && !s_.NoLoseAnimation) p_.Board.AnimateCardsFlow(RndInt(2) + 1);
    }
    if (s_.StopWait) return;
    s_.GameEnding = false;
    if (s_.NetMode == 99) s_.NetMode = 0;
}

void Engine::SetResultText(bool humanWon, int margin) {
    const std::string& name = s_.WorkName;
    std::string& text = s_.ResultText;
    if (humanWon) {
        PlayPersonalitySound(s_.Sounds[14], SoundPlay::Async);
        text = "That was your LAST CARD! OK, so you won!!!  ";
        if (s_.WorkSideCount == 1) {
            text += "You beat " + name + " by one card!";
            if (Local()) text += " I DEMAND a rematch!";
            return;
        }
        if (Local() && margin < 6)
            text += "Whew, that was close!";
        else if (Local() && margin >= 11)
            text += name + " needs" + " more memory...";
        if (s_.NumPlayers > 2)
            text += Crlf + "(Your opponents had" + Str(margin) + " cards left.)";
        else
            text += Crlf + "(" + name + " had" + Str(s_.WorkSideCount) + " cards left.)";
        return;
    }
    text = "That was the last card, " + name + " WON with a margin of " + Str(margin) + " ! ";
    if (s_.SideCount == 1) {
        text += "You ONLY had 1 card left! That was CLOSE!";
    } else {
        if (Local() && s_.SideCount < 6)
            text += "That was pretty close!";
        else if (Local() && s_.SideCount > 11)
            text += "Were you SLEEPING?";
        text += Crlf + "You had" + Str(s_.SideCount) + " cards left!";
    }
    p_.Waiter.DoEvents();
    PlayPersonalitySound(s_.Sounds[15], SoundPlay::ToEnd);
}

void Engine::UpdateLocalScores() {
    s_.TotWins = 0;
    s_.TotGames = 0;
    // An unreadable profile is left alone rather than overwritten with made-up totals, and no
    // summary is shown for it; the game's statistics are kept all the same.
    const bool readable = p_.Persistence.ReadPlayerScores(s_.PlayerScores);
    s_.MsgText.clear();
    if (readable) {
        DoTheUpdate(0);
        s_.MsgText = s_.PlayerName + Crlf + "Games Won:" + Str(s_.TotWins) + Crlf +
                     "Games Lost:" + Str(s_.TotGames - s_.TotWins);
        DoTheUpdate(s_.SeatRec1.Level + 1);
        DoTheUpdate(s_.NumPlayers + 2);
    }
    // The ranked lists, the records and the games counted must agree after a kill at any point.
    p_.Persistence.BeginScoreUpdate();
    p_.Persistence.StatsSave(2, 0);
    p_.Persistence.StatsSave(4, 5);
    if (readable) p_.Persistence.WritePlayerScores(s_.PlayerScores);
    p_.Persistence.EndScoreUpdate();
}

void Engine::CountNetGame(bool humanWon, const std::string& winnerName) {
    if (humanWon) AddSaturating(s_.NetWins, 1);
    AddSaturating(s_.NetGames, 1);
    p_.Net.Scores_Net(humanWon ? "" : winnerName);
}

bool Engine::ShowNetScores() {
    s_.ResultText = "Your scores this NET session:" + Crlf + CStr(s_.NetGames) + " games played" + Crlf +
                    Str(s_.NetWins) + " wins, " + Str(s_.NetMargin) + " margin";
    const ControlId line{Ctl::Label9, 2};
    const int fontSize = p_.Board.FontSize(line);
    p_.Board.SetFontSize(line, fontSize - 2);
    p_.Board.SetCaption(line, s_.ResultText);
    p_.Board.SetFontSize(line, fontSize);
    s_.GameEnding = false;
    s_.GameBusy = false;
    if (s_.IsHost != 0) return true;
    // A remote side waits for the host's next word.
    for (;;) {
        if (EndsTheGame(s_.NetState)) return true;
        if (s_.NetMode == 0) {
            s_.NetMode = 99;
            return true;
        }
        if (s_.StopWait) return false;
        p_.Net.NetWaitReply(0);
        p_.Waiter.DoEvents();
    }
}

void Engine::DoTheUpdate(int category) {
    if (category < 0 || category >= ScoreCategories) return;
    ScoreTotals& totals = s_.PlayerScores[category];
    s_.TotGames = totals.Games;
    s_.TotWins = totals.Wins;
    s_.TotMargin = totals.Margin;
    DoTheMath();
    totals = {s_.TotGames, s_.TotWins, s_.TotMargin};
}

void Engine::DoTheMath() {
    AddSaturating(s_.TotGames, 1);
    if (s_.TotGames > WarnGamesAbove) {
        p_.Box.MsgBox("The number of games you've played will soon exceed my memory." + Crlf +
                          "Please clear your score file and start fresh!",
                      MbInformation, "Score file overflowing");
    }
    s_.LastMargin = DoTheMargin(s_);
    if (s_.SideCount == 0) {
        AddSaturating(s_.TotWins, 1);
        AddSaturating(s_.TotMargin, s_.LastMargin);
    } else {
        AddSaturating(s_.TotMargin, -s_.LastMargin);
    }
}

} // namespace zarle
