#include "board/input/StatusPanels.h"

#include "base/text/VbText.h"

namespace zarle {

namespace {

constexpr int32_t NarrowScreenTwips = 9600;
constexpr int PlaysBySourceRow = 1; // side, hand and hold plays in columns 0..2

} // namespace

std::string PlaysText(const SeatRecord& rec) {
    std::string text;
    long long sum = 0;
    for (int source = 0; source < 3; ++source) {
        const int count = rec.SeatStats[PlaysBySourceRow][source];
        text += Str(count) + "-";
        sum += count;
    }
    return text + " [" + Str(sum) + " ]";
}

std::string WildPanelText(int32_t screenTwips, int side, int hand) {
    return std::string(screenTwips > NarrowScreenTwips ? "Wild: " : "") + Str(side) + "/" + Str(hand);
}

void StatusBar_PlayerCounts(BoardPort& board, const GameState& game, const SeatRecord& rec) {
    board.SetPanelText(OpponentPlaysPanel, PlaysText(rec));
    board.SetPanelText(6, "");
    board.SetPanelText(OpponentNamePanel, rec.Name);
    if (game.NetMode == 0 && rec.Level >= 0 && rec.Level <= 2)
        board.SetPanelToolTip(OpponentNamePanel, game.LevelNames[rec.Level]);
    board.SetPanelText(OpponentWildPanel, WildPanelText(game.ScreenTwips, rec.WildSide, rec.WildHand));
    board.SetPanelToolTip(OpponentWildPanel, rec.Name + ": Side/Hand");
}

int NextShownOpponent(int shown, int numPlayers) {
    return shown + 1 > numPlayers - 1 ? 1 : shown + 1;
}

} // namespace zarle
