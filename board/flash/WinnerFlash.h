#pragma once
// The winner's animation: when a computer personality wins, its seven frames play on the board next
// to the center piles, paced by pauses that keep the window live. The lead personality's frames are
// built into the program; every other personality's come from its pack, read once and kept while
// the same personality keeps winning. A personality without a pack, or a winner that is not in
// the personality list, shows nothing. A new game started meanwhile ends the animation; a closing
// program ends it at once.

#include "engine/GameState.h"
#include "engine/ServicePorts.h"

#include <QLabel>
#include <QPixmap>
#include <QPointer>

#include <array>
#include <vector>

namespace zarle {

class BoardPresenter;
class BoardSurface;

struct FlashStep {
    int Frame = 0;      // 1..7
    float Pause = 0.0f; // seconds after the frame is drawn
};

// The frames in order with their pauses: order 1 runs them up twice (14 frames), any other order
// up and back down (13 frames).
std::vector<FlashStep> FlashSequence(int order);

class WinnerFlash {
  public:
    WinnerFlash(GameState& game, BoardPresenter& board, BoardSurface& surface, WaitPort& waiter);
    ~WinnerFlash();
    WinnerFlash(const WinnerFlash&) = delete;
    WinnerFlash& operator=(const WinnerFlash&) = delete;

    // `winner`: the winning personality's index in the personality list.
    void Flash(int winner);

    // The picture of frame 1..7 that the animation draws now.
    const QPixmap& Frame(int frame) const { return frames_[frame]; }
    // The frame on the board while the animation plays (hidden otherwise).
    QLabel* Shown() const { return overlay_; }

  private:
    enum class PauseEnd { Elapsed, NewGame, Closing };

    void LoadLeadFrames();
    bool LoadPackFrames(const std::string& name);
    QPoint Place();
    PauseEnd Pause(float seconds);
    void CleanUp();

    GameState& s_;
    BoardPresenter& board_;
    BoardSurface& surface_;
    WaitPort& waiter_;
    QPointer<QLabel> overlay_;
    std::array<QPixmap, 8> frames_; // 1..7
    bool framesLoaded_ = false;     // the frames are a personality's other than the lead one's
    int lastWinner_ = -1;
};

} // namespace zarle
