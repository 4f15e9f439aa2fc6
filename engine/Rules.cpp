#include "engine/Rules.h"

namespace zarle {

namespace {

// Ck_Player leaves a center number in PlanCenter; until it has run, or when the number of centers
// has changed since, the first center stands in for it.
int KnownPlanCenter(const GameState& s) {
    return s.PlanCenter >= 1 && s.PlanCenter <= s.NumCenters ? s.PlanCenter : 1;
}

int WildCenter(const GameState& s) {
    const int plan = KnownPlanCenter(s);
    int best = 0;
    if (s.NoWildAce) {
        int lastFilled = 0;
        for (int c = 1; c <= s.NumCenters; ++c) {
            if (s.CenterCount[c] == 0) continue;
            lastFilled = c;
            if (c != plan) best = c;
        }
        if (best == 0) best = lastFilled;
    } else {
        for (int c = 1; c <= s.NumCenters; ++c) {
            if (c != plan && s.CenterCount[c] != s.CenterCount[plan]) best = c;
        }
    }
    return best == 0 ? 1 : best;
}

} // namespace

int16_t CenterBestToPlay(const GameState& s, int value, bool placeWild) {
    if (value == WildValue) return static_cast<int16_t>(placeWild ? WildCenter(s) : 1);
    // k cards still have to go onto center c before the value fits; a center restarts after Queen.
    for (int k = 1; k <= 11; ++k) {
        for (int c = 1; c <= s.NumCenters; ++c) {
            const int reached = s.CenterCount[c] + k;
            if (reached == value || (reached > CenterFull && reached - CenterFull == value)) {
                return static_cast<int16_t>(c);
            }
        }
    }
    return 1;
}

bool PlayerMissedMove(const GameState& s) {
    const int side = s.PlayerCards[1].Value;
    if (side == WildValue) return false;
    for (int c = 1; c <= s.NumCenters; ++c) {
        if (side == s.CenterCount[c] + 1) return true;
    }
    return false;
}

int16_t DoTheMargin(const GameState& s) {
    int margin = s.SideCount + s.SeatRec1.SideCount;
    if (s.NumPlayers > 2) margin += s.SeatRec2.SideCount;
    if (s.NumPlayers == 4) margin += s.SeatRec3.SideCount;
    return static_cast<int16_t>(margin);
}

void WhosOnFirst(GameState& s) {
    const int players = s.NumPlayers;
    const int first = s.PTurn >= 1 && s.PTurn <= players ? s.PTurn : 1;
    for (int i = 1; i <= players; ++i) s.TurnOrder[i] = static_cast<int16_t>((first + i - 2) % players + 1);
    s.TurnPos = 1;
    s.PTurn = s.TurnOrder[1];
}

void PturnCalculate(GameState& s) {
    const int host = s.PTurn;
    int local = host;
    if (s.SeatMode == 1) {
        local = host == 1 ? s.NumPlayers : host - 1;
    } else if (s.SeatMode == 2) {
        if (host == 1)
            local = s.NumPlayers == 4 ? 3 : 2;
        else if (host == 2)
            local = s.NumPlayers;
        else
            local = host - 2;
    } else {
        local = host == 4 ? 1 : host + 1;
    }
    s.PTurn = static_cast<int16_t>(local);
}

int LocalSeatOfHostSeat(const GameState& s, int hostSeat) {
    if (s.NetMode == 0 || s.IsHost != 0) return hostSeat;
    const int players = s.NumPlayers;
    const int own = players == 2 ? 2 : s.SeatMode + 1;
    return ((hostSeat - own) % players + players) % players + 1;
}

std::string PlayerNameOf(const GameState& s, int value) {
    if (s.PlayerCards[1].Value == value) return s.PlayerName;
    if (s.NumPlayers <= 2) return "";
    for (int seat = 2; seat <= s.NumPlayers; ++seat) {
        const SeatRecord& rec = s.Seat(seat);
        if (rec.Name != s.WorkName && rec.Slots[1].Value == value) return rec.Name;
    }
    return "";
}

} // namespace zarle
