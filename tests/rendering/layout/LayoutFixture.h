#pragma once
// A board as start-up leaves it: the design, the seats' slots and the side-pile frames, laid
// out for a player and center count with large cards and the rows down.

#include "rendering/model/BoardDesign.h"
#include "rendering/layout/BoardLayout.h"
#include "tests/rendering/layout/FakeLayoutHost.h"

#include <gtest/gtest.h>

namespace zarle::test {

struct LaidOutBoard {
    BoardModel board;
    GameState game;
    ProfileState profile;
    FakeLayoutHost host;
    BoardLayout layout{board, game, profile, host};

    explicit LaidOutBoard(int players, int centers = 4, int32_t screenTwips = 12000) {
        LoadDesignBoard(board);
        game.ScreenTwips = screenTwips;
        game.DisplaySize = 0;
        layout.LoadSeatSlots();
        layout.CreateFrames();
        Relayout(players, centers);
    }

    // As the program does it: the new counts are in force, the ones before are handed over.
    void Relayout(int players, int centers) {
        const int previousPlayers = game.NumPlayers;
        const int previousCenters = game.NumCenters;
        game.NumPlayers = static_cast<int16_t>(players);
        game.NumCenters = static_cast<int16_t>(centers);
        layout.ChangeLayout(previousPlayers, previousCenters);
    }

    // Pixels, as the layout computes them.
    double Left(Ctl family, int index = 0) const { return ToPixels(board.Get(family, index).Left); }
    double Top(Ctl family, int index = 0) const { return ToPixels(board.Get(family, index).Top); }
    double Width(Ctl family, int index = 0) const { return ToPixels(board.Get(family, index).Width); }
    double Height(Ctl family, int index = 0) const { return ToPixels(board.Get(family, index).Height); }
    bool Loaded(Ctl family, int index = 0) const { return board.IsLoaded(family, index); }
    bool Visible(Ctl family, int index = 0) const { return board.Get(family, index).Visible; }

    // Left edges of elements first..last.
    std::vector<double> Lefts(Ctl family, int first, int last) const {
        std::vector<double> out;
        for (int i = first; i <= last; ++i) out.push_back(Left(family, i));
        return out;
    }
    std::vector<double> Tops(Ctl family, int first, int last) const {
        std::vector<double> out;
        for (int i = first; i <= last; ++i) out.push_back(Top(family, i));
        return out;
    }
};

} // namespace zarle::test
