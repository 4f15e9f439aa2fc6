#pragma once
// The keyboard move of the human's cards: a keypad digit picks the source slot (0 for slot 10)
// and Enter asks "Move card to which pile?"; then keypad 1..4 plays to that center, or keypad
// 6..9 and 0 put a hand card on hold pile 1..4 and end the turn. The status line tells the two
// steps apart; any other key cancels.

#include "board/BoardPresenter.h"
#include "engine/Engine.h"

namespace zarle {

inline constexpr int KeypadFirst = 96; // keypad 0
inline constexpr int KeypadLast = 105; // keypad 9
inline constexpr int EnterKey = 13;

class KeypadMove {
  public:
    KeypadMove(GameState& game, BoardPresenter& board, Engine& engine)
        : s_(game), board_(board), engine_(engine) {}

    // True when the key belonged to the move (the human's turn, a keypad digit or Enter while the
    // Deal button is hidden).
    bool Key(int keyCode);
    // Any other key: the move pending is dropped.
    void Cancel();

    int KeySlot() const { return keySlot_; }

  private:
    bool ChoosingTarget() const;
    void ChooseSource(int keyCode);
    void ChooseTarget(int keyCode);
    void PlayToCenter(int center);
    void PutOnHold(int target);
    void Status(const std::string& text);
    void Highlight(bool shown);

    GameState& s_;
    BoardPresenter& board_;
    Engine& engine_;
    int keySlot_ = 0;
};

} // namespace zarle
