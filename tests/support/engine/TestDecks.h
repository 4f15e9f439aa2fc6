#pragma once
// Random numbers that make the shuffle leave the deck in order, except for chosen swaps in its
// last pass, so that a test knows which card every seat gets.

#include <map>
#include <vector>

namespace zarle::testing {

// The draws of ShuffleDeck(1, n): ten passes over positions 1..n, each drawing the position to
// swap with. swapsInLastPass maps a position to the one it trades places with in the tenth pass.
inline std::vector<float> OrderedShuffle(int n, const std::map<int, int>& swapsInLastPass = {}) {
    std::vector<float> draws;
    for (int pass = 1; pass <= 10; ++pass) {
        for (int i = 1; i <= n; ++i) {
            int j = i;
            if (pass == 10 && swapsInLastPass.count(i) != 0) j = swapsInLastPass.at(i);
            draws.push_back((static_cast<float>(j) - 0.5f) / static_cast<float>(n));
        }
    }
    return draws;
}

} // namespace zarle::testing
