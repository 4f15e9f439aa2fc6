// The working copy of the seat that moves: filled from its seat record before its turn and
// written back after it.

#include "opponents/ComputerPlayer.h"

#include <algorithm>

namespace zarle {

namespace {

constexpr int SeatStatsRow = 4; // the opponents' best of the game in the statistics table
constexpr int LastPersonalLine = 33;

// What a seat's record and the working copy share, one list for both directions:
// `move(copyField, seatField)` copies one pair the way its caller goes.
template <class Move> void EachWorkField(GameState& s, SeatRecord& rec, Move move) {
    move(s.WorkSidePos, rec.SidePos);
    move(s.WorkSideCount, rec.SideCount);
    move(s.WorkSideCards, rec.SideCards);
    move(s.WorkSlots, rec.Slots);
    move(s.WorkHoldCards, rec.HoldCards);
    for (int p = 1; p <= HoldPiles; ++p) {
        move(s.WorkHoldInfo[p][HoldDepthCol], rec.HoldInfo[p][HoldDepthCol]);
        move(s.WorkHoldInfo[p][HoldRun], rec.HoldInfo[p][HoldRun]);
    }
    move(s.WorkWildHand, rec.WildHand);
    move(s.WorkWildSide, rec.WildSide);
    move(s.Stats[SeatStatsRow], rec.SeatStats[1]);
}

} // namespace

void ComputerPlayer::SwapOpponentData(SeatRecord& rec, bool toRecord) {
    if (toRecord) {
        EachWorkField(s_, rec, [](const auto& copy, auto& seat) { seat = copy; });
        return;
    }

    s_.WorkSeat = static_cast<int16_t>(&rec == &s_.SeatRec1 ? 2 : &rec == &s_.SeatRec2 ? 3 : 4);
    s_.WorkName = rec.Name;
    EachWorkField(s_, rec, [](auto& copy, const auto& seat) { copy = seat; });
    if (!rec.Avatar.empty() && s_.PTurn != 1 && (s_.NetMode != 0 || s_.NumPlayers >= 3)) {
        p_.Board.ScaleAvatar(rec.Avatar);
        if (s_.NetMode == 0) s_.PersonalityPicture = rec.PersonalityPicture;
    }

    if (s_.NetMode != 0) {
        // The host tells its peers apart by socket; sounds and comments stay as they were.
        const bool host = s_.IsHost != 0 && p_.Remote != nullptr;
        s_.Level = static_cast<int16_t>(host ? p_.Remote->SocketIndexOfSeat(s_.PTurn - 1) : 0);
        return;
    }
    s_.Level = std::clamp<int16_t>(rec.Level, 0, 2);
    s_.Sounds = rec.Sounds;
    s_.NoComments = rec.CommentSet == "No Comments";
    if (!s_.NoComments) std::copy_n(rec.Comments.begin() + 1, LastPersonalLine, s_.Comments.begin() + 1);
}

} // namespace zarle
