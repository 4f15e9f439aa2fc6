#pragma once
// The developer's view of the shuffled deck: every card of the stock as a face, in deck order,
// twenty overlapping faces a row. Each new deal in developer mode opens one more.

#include "engine/GameState.h"
#include "platform/forms/Form.h"

namespace zarle {

class CardPictureBank;

inline constexpr int DeckViewRowLength = 20;
inline constexpr int DeckViewStepX = 45; // pixels between neighbouring faces of a row
inline constexpr int DeckViewStepY = 75; // pixels between rows

class DeckView final : public Form {
  public:
    // Sized as the board is; the faces are drawn at once.
    DeckView(const GameState& game, CardPictureBank& pictures, QSize boardSize, QWidget* board);

    // Where the face of deck position `pos` (from 1) lies.
    static QPoint FacePosition(int pos);
};

} // namespace zarle
