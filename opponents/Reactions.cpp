// The personality's reactions: remarks and sounds after a play that concerns a side card, on the
// human's wasted side-card value, and when the human keeps the computer waiting.

#include "opponents/ComputerPlayer.h"

#include "engine/Rules.h"

#include <algorithm>

namespace zarle {

namespace {

constexpr double ImpatientAfter = 20.0;
constexpr double GiveUpWaitingAfter = 30.0;
// Tries at a random pick that differs from the last before taking the next value instead.
constexpr int PickTries = 16;

} // namespace

void ComputerPlayer::Say(int line, std::string_view text) {
    // The notice of a new game asked for keeps the main line until that game is dealt.
    if (line == 1 && s_.NewGameQueued) return;
    if (line == 2) reactions_.PlanRemarkShown = false;
    p_.Board.SetCaption({Ctl::Label9, line}, text);
}

void ComputerPlayer::SayComment(int k) {
    Say(2, s_.Comments[k]);
}

void ComputerPlayer::PlayPersonality(int k, SoundPlay how) {
    if (s_.SoundLevel == 0) p_.Sound.PlayFile(s_.Sounds[k], how);
}

int ComputerPlayer::RndInt(int n) {
    const int drawn = static_cast<int>(p_.Random.Rnd() * static_cast<float>(n));
    return std::clamp(drawn, 0, n - 1);
}

int ComputerPlayer::PickDifferent(int n, int base, int16_t& last) {
    int k = RndInt(n) + base;
    for (int tries = 1; k == last && tries < PickTries; ++tries) k = RndInt(n) + base;
    if (k == last) k = (k - base + 1) % n + base;
    last = static_cast<int16_t>(k);
    return k;
}

void ComputerPlayer::PlayReactionSound() {
    const int k = PickDifferent(4, 3, reactions_.LastSoundPick);
    p_.Sound.PlayFile(s_.Sounds[k], SoundPlay::ToEnd);
}

void ComputerPlayer::Comp_SideCompare(int slot) {
    s_.MsgText.clear();
    const std::string name = PlayerNameOf(s_, s_.CenterCount[s_.CenterIdx]);
    const bool wild = s_.MoveCard.Value == WildValue;
    if (name.empty() && CommentsOn()) {
        if (slot != 1 || !wild) return;
        s_.MsgText = PlayerNameOf(s_, WildValue);
        if (s_.MsgText.empty()) return;
    }
    const bool human = !name.empty() && name == s_.PlayerName;
    if (slot == 1) {
        if (CommentsOn()) SayComment(s_.MsgText.empty() ? 25 : 24);
        p_.Waiter.DoEvents();
        if (human && s_.SoundLevel == 0) PlayReactionSound();
    } else if (!wild) {
        const int k = PickDifferent(10, 11, reactions_.LastCommentPick);
        if (!human) {
            if (!CommentsOn()) return;
            Say(2, name + ", " + s_.Comments[k]);
            Pause(2 * s_.MoveDelay);
        } else {
            if (CommentsOn()) SayComment(k);
            p_.Waiter.DoEvents();
            if (s_.SoundLevel == 0) PlayReactionSound();
        }
    }
    if (CommentsOn()) Pause(3 * s_.MoveDelay);
}

void ComputerPlayer::Dumbness() {
    if (!CommentsOn()) return;
    if (s_.MoveCard.Value == WildValue)
        Say(1, s_.Comments[31] + " " + s_.Comments[32]);
    else
        Say(1, s_.Comments[33]);
    if (s_.SoundLevel == 0) p_.Sound.PlayResource(105, SoundPlay::Async);
    Pause(0.75f);
}

void ComputerPlayer::ImPatient() {
    if (s_.StopWait) return;
    if (s_.NetMode != 0) s_.AwaitHuman = false;
    if (!s_.AwaitHuman) return;
    const double start = p_.Timer.Now();
    p_.Timer.StartOneShot(ImpatientAfter, [this, start] { ImpatienceDue(start); });
}

void ComputerPlayer::ImpatienceDue(double start) {
    // Any action of the human, or a game event, has cleared AwaitHuman meanwhile.
    if (s_.StopWait || !s_.AwaitHuman) return;
    if (s_.NetMode != 0) {
        s_.AwaitHuman = false;
        return;
    }
    const double now = p_.Timer.Now();
    if (now < start || now >= start + GiveUpWaitingAfter) return; // midnight passed, or far too late
    if (now < start + ImpatientAfter) {
        p_.Timer.StartOneShot(start + ImpatientAfter - now, [this, start] { ImpatienceDue(start); });
        return;
    }
    if (s_.NumPlayers > 2) {
        p_.Board.ScaleAvatar(s_.SeatRec1.Avatar);
        s_.AvatarSwapped = true;
    }
    static constexpr int Lines[] = {0, 29, 30, 28};
    const int line = Lines[PickDifferent(3, 1, reactions_.LastImpatiencePick)];
    if (CommentsOn()) SayComment(line);
    s_.AwaitHuman = false; // one remark per wait
}

} // namespace zarle
