// The working copy of the seat that moves: filled from its seat record before its turn and
// written back after it.

#include "ComputerPlayer.h"

#include <algorithm>

namespace zarle {

namespace {

constexpr int SeatStatsRow = 4; // the opponents' best of the game in the statistics table
constexpr int LastPersonalLine = 33;

} // namespace

void ComputerPlayer::SwapOpponentData(SeatRecord& rec, bool toRecord) {
    if (toRecord) {
        rec.SidePos = s_.WorkSidePos;
        rec.SideCount = s_.WorkSideCount;
        rec.SideCards = s_.WorkSideCards;
        rec.Slots = s_.WorkSlots;
        rec.HoldCards = s_.WorkHoldCards;
        for (int p = 1; p <= HoldPiles; ++p) {
            rec.HoldInfo[p][HoldDepthCol] = s_.WorkHoldInfo[p][HoldDepthCol];
            rec.HoldInfo[p][HoldRun] = s_.WorkHoldInfo[p][HoldRun];
        }
        rec.WildHand = s_.WorkWildHand;
        rec.WildSide = s_.WorkWildSide;
        rec.SeatStats[1] = s_.Stats[SeatStatsRow];
        return;
    }

    s_.WorkSeat = static_cast<int16_t>(&rec == &s_.SeatRec1 ? 2 : &rec == &s_.SeatRec2 ? 3 : 4);
    s_.WorkName = rec.Name;
    s_.WorkSidePos = rec.SidePos;
    s_.WorkSideCount = rec.SideCount;
    s_.WorkSideCards = rec.SideCards;
    s_.WorkSlots = rec.Slots;
    s_.WorkHoldCards = rec.HoldCards;
    for (int p = 1; p <= HoldPiles; ++p) {
        s_.WorkHoldInfo[p][HoldDepthCol] = rec.HoldInfo[p][HoldDepthCol];
        s_.WorkHoldInfo[p][HoldRun] = rec.HoldInfo[p][HoldRun];
    }
    s_.WorkWildHand = rec.WildHand;
    s_.WorkWildSide = rec.WildSide;
    s_.Stats[SeatStatsRow] = rec.SeatStats[1];
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
