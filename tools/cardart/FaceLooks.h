#pragma once
// The three looks of full card faces: the built-in standard deck and the component's
// "Steel" and "Tile" decks.

#include "tools/cardart/Suits.h"
#include "tools/cardart/Text.h"

#include <QColor>

namespace zarle::cardart {

enum class FaceLook { Standard, Steel, Tile };

struct CourtPalette {
    QColor ground, line, skin, robeA, robeB, trim, hair, beard, accent, metal;
};

struct FaceStyle {
    FaceLook look;
    QColor red, black; // ink of the two suit colours
    QColor border;     // the card's outline
    double borderWidth;
    double indexLeft; // where the corner indices start
    Face indexFace;
};

const FaceStyle& StyleOf(FaceLook look);
inline QColor Ink(const FaceStyle& style, Suit suit) {
    return IsRed(suit) ? style.red : style.black;
}
CourtPalette CourtColours(const FaceStyle& style, Suit suit);

} // namespace zarle::cardart
