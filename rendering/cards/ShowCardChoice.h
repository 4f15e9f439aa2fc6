#pragma once
// What ShowCard puts on a pile picture: which picture, the border and back colour to set, and
// the card sound to play. A pure decision; the window applies it to the real control.

#include "engine/BoardControls.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zarle {

// The settings the choice reads.
struct CardLook {
    int CardStyle = 6;
    int DisplaySize = 0;
    int32_t ScreenTwips = 0;
    bool LargeFonts = false;
    int NumPlayers = 2;
    int PTurn = 0;
    int BackDesign = 0;
    int SoundLevel = 0;
};

enum class CardPicture : uint8_t {
    None,
    Face,             // the 71 x 96 cell of the face sheet
    SmallFace,        // the cached 59 x 80 face
    RankPicture,      // the active rank picture, large
    SmallRankPicture, // the same, small
    LargeBack,        // FilePic(0)
    SmallBack,        // FilePic(5)
    LargeEmpty,       // BackPicA
    SmallEmpty,       // BackPicB
};

enum class BackFill : uint8_t { Keep, White, DeckColor };

struct CardShown {
    CardPicture picture = CardPicture::None;
    int SheetCard = 0;         // folded id of a face
    int rank = 0;              // rank of a rank picture
    bool singleBorder = false; // set BorderStyle 1; otherwise the border stays as it is
    BackFill backColor = BackFill::Keep;
    int cardSound = 0;    // card effect 1..5 to play, 0 none
    bool badCard = false; // an id below 0: nothing is drawn and the caller reports it
};

// Card-sound modes: 1..5 play that effect, 0 nothing; with no card, EmptyPileMode asks for the
// empty-pile picture instead of the back.
inline constexpr int EmptyPileMode = 88;

CardShown ShowCardChoice(Pics pics, int index, int card, int mode, const CardLook& look);

// The picture of a choice as a key the board model can store: "face:14", "smallface:14",
// "rank:13", "smallrank:13", "back:large", "back:small", "empty:large", "empty:small"; "" for none.
std::string PictureKey(const CardShown& shown);

// The message shown when a card cannot be drawn.
inline constexpr int BadCardError = 380;
inline constexpr const char* BadCardDescription = "Invalid property value";
std::string ShowCardProblemText(int errorNumber, std::string_view description, std::string_view objectName,
                                int index, int card, int sheetCard);

} // namespace zarle
