// How close the human is to playing his side card, for the computer seat about to play.

#include "engine/Rules.h"

namespace zarle {

namespace {

class HumanThreat {
  public:
    explicit HumanThreat(GameState& s) : s_(s), side_(s.PlayerCards[1].Value) {}

    void Run() {
        s_.HumanReach = side_;
        s_.EmptyCenter = 0;
        for (int c = 1; c <= s_.NumCenters; ++c) {
            if (s_.CenterCards[c][s_.CenterCount[c]].Value == 0) s_.EmptyCenter = static_cast<int16_t>(c);
            s_.CenterNeed[c] = 0;
        }
        if (s_.HumanReach == 1 && s_.EmptyCenter != 0) return;
        s_.PlanCenter = CenterBestToPlay(s_, side_, false);
        if (!FollowHoldTops()) return;
        if (!FollowHoldPiles()) return;
        if (s_.HumanReach == 13) s_.HumanReach = 1;
        ApplyMargin(PileCount());
        RaiseToBestCenter();
    }

  private:
    // An Ace in reach ends the analysis when a center is empty; otherwise the chain goes on from
    // a Queen. False when the analysis ends.
    bool AceRule() {
        if (s_.HumanReach != 1) return true;
        if (s_.EmptyCenter != 0) return false;
        s_.HumanReach = 13;
        return true;
    }

    // Hold tops that continue the side card downward. A pass is repeated only when its last
    // comparison matched.
    bool FollowHoldTops() {
        bool chain = true;
        while (chain) {
            chain = false;
            for (int slot = 7; slot <= 10; ++slot) {
                if (!AceRule()) return false;
                if (s_.PlayerCards[slot].Value != s_.HumanReach - 1) {
                    chain = false;
                    continue;
                }
                --s_.HumanReach;
                chain = true;
                if (s_.HumanReach == 1) {
                    if (s_.EmptyCenter != 0) return false;
                    break;
                }
            }
        }
        return true;
    }

    // Hold tops again, and ascending runs beneath them. Every new start of the pass follows a
    // lowering of HumanReach, so the step ends.
    bool FollowHoldPiles() {
        int pile = 1;
        while (pile <= HoldPiles) {
            const int top = s_.PlayerCards[pile + 6].Value;
            if (top == s_.HumanReach - 1) {
                --s_.HumanReach;
                if (s_.HumanReach == 1) {
                    if (s_.EmptyCenter != 0) return false;
                    pile = 1;
                    continue;
                }
                MarkChainStarts();
                ++pile;
                continue;
            }
            pile = FoundInRun(pile, top) ? 1 : pile + 1;
        }
        return true;
    }

    bool FoundInRun(int pile, int top) {
        const int depth = s_.HoldCount[pile];
        const auto& cards = s_.HoldCards[pile];
        if (top >= s_.HumanReach || depth <= 0 || cards[depth].Value != top + 1) return false;
        int n = 1;
        for (int d = depth; d >= 1; --d) {
            ++n;
            if (cards[d].Value == s_.HumanReach - 1) {
                s_.HumanReach = static_cast<int16_t>(s_.HumanReach - n);
                MarkChainStarts();
                return true;
            }
            if (d > 1 && cards[d - 1].Value != cards[d].Value + 1) return false;
        }
        return false;
    }

    void MarkChainStarts() {
        if (s_.Level != 2) return;
        for (int c = 1; c <= s_.NumCenters; ++c) {
            if (s_.CenterCount[c] + 1 == s_.HumanReach) s_.CenterNeed[c] = s_.HumanReach;
        }
    }

    bool OwnHoldEmpty(int pile) const { return s_.WorkSlots[pile + 6].Value == 0; }
    bool OwnHoldMarked(int pile) const { return s_.WorkHoldInfo[pile][2] == 1; }

    int PileCount() const {
        if (s_.Level == 1) {
            int k = 1;
            for (int p = 1; p <= HoldPiles; ++p) {
                if (OwnHoldEmpty(p)) k = 1;
                if (OwnHoldMarked(p)) ++k;
            }
            if (k >= 3 && s_.UsedCount + s_.StockCount > 12) --k;
            return k;
        }
        if (s_.Level == 2) {
            int k = 0;
            for (int p = 1; p <= HoldPiles; ++p) {
                if (OwnHoldEmpty(p)) return 0;
                if (OwnHoldMarked(p)) ++k;
            }
            return k > 2 ? 2 : k;
        }
        return 4;
    }

    int HighestCenterBelowSide() const {
        int found = 0;
        for (int c = 1; c <= s_.NumCenters; ++c) {
            if (s_.CenterCount[c] < side_) found = c;
        }
        return found;
    }

    void ApplyMargin(int k) {
        const bool wrapAround = s_.EmptyCenter == 0 && HighestCenterBelowSide() == 0;
        int reach = s_.HumanReach;
        if (k >= 4) {
            if (reach != 1)
                reach -= 1;
            else
                reach = wrapAround ? 11 : 1;
        } else {
            const int m = k == 0 ? 5 : k == 3 ? 2 : (s_.Level == 2 ? 4 : 3);
            if (reach > m)
                reach -= m;
            else
                reach = wrapAround ? reach + 12 - m : 1;
        }
        s_.HumanReach = static_cast<int16_t>(reach);
    }

    void RaiseToBestCenter() {
        const int q = s_.CenterCount[s_.PlanCenter];
        if (s_.HumanReach >= q) return;
        bool anyMarked = false;
        for (int c = 1; c <= s_.NumCenters; ++c) anyMarked = anyMarked || s_.CenterNeed[c] != 0;
        if (q >= side_ || !anyMarked) s_.HumanReach = static_cast<int16_t>(q);
    }

    GameState& s_;
    const int side_;
};

} // namespace

void Ck_Player(GameState& s) {
    HumanThreat(s).Run();
}

} // namespace zarle
