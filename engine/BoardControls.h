#pragma once
// The named controls of the board window. Arrays are addressed by (family, index);
// single controls use index 0. The engine, the layout model and the window all name
// controls through this one list.

#include <cstdint>

namespace zarle {

enum class Ctl : uint8_t {
    // Pile pictures: the human's slots, seats 2..4, the stock (0) and the centers (1..4).
    Picture7,
    Picture1,
    Picture2,
    Picture3,
    PicCenter,
    // Labels: message lines 0..6, wild values over the centers, hold-pile boxes, the stock count,
    // the "Centers" box, the peek/record line, the rules and level captions, hold counts.
    Label9,
    LblWild,
    Label3,
    Label1,
    Label10,
    LabelPeek,
    lblRules,
    lblLevel,
    lblHold,
    lblHighlight,
    StatusMsg,
    // Outline frames of the side piles, 1..100.
    Stack,
    // Images and buttons.
    ImgHold,
    ImgAvatar,
    imgSlap,
    ImgTurn1,
    ImgTurn2,
    imgIcon,
    imgMenu,
    picPanel,
    Command2,
    StatusBar1,
    lblHoldCard, // count labels over the human's hold piles, 1..8
};

struct ControlId {
    Ctl family;
    int index = 0;
    friend bool operator==(const ControlId&, const ControlId&) = default;
};

// The pile families a card can be shown on (ShowCard's first argument). Picture8 is the
// hidden-cards window's row and FilePic the picture bank's backs, which several routines
// recognise by name.
enum class Pics : uint8_t { Picture7, Picture1, Picture2, Picture3, PicCenter, Picture8, FilePic };

const char* ControlName(Ctl family);
const char* PicsName(Pics pics);

} // namespace zarle
