#include "rendering/cards/ShowCardChoice.h"

#include "rendering/cards/CardSheet.h"
#include "base/text/VbText.h"

namespace zarle {

namespace {

constexpr int32_t NarrowScreenTwips = 9600;

bool LargeDisplay(const CardLook& look) {
    return look.DisplaySize < 2;
}

// Whether a face is shown full size on this pile; otherwise it is drawn small.
bool FullSizeFace(Pics pics, int index, const CardLook& look) {
    const bool largeFits = LargeDisplay(look) && !(look.ScreenTwips == NarrowScreenTwips && look.LargeFonts);
    const bool roomy = pics == Pics::FilePic || (pics != Pics::Picture8 && largeFits);
    const bool largePile = look.NumPlayers == 2 || pics == Pics::Picture7 || pics == Pics::PicCenter ||
                           pics == Pics::FilePic || (pics == Pics::Picture1 && look.PTurn == 1 && index == 0);
    return roomy && largePile;
}

void ChooseFace(CardShown& shown, Pics pics, int index, int card, const CardLook& look) {
    const bool full = FullSizeFace(pics, index, look);
    if (IsRankStyle(EffectiveCardStyle(look.CardStyle))) {
        shown.picture = full ? CardPicture::RankPicture : CardPicture::SmallRankPicture;
        shown.rank = CardRank(card);
        shown.singleBorder = true;
        shown.backColor = BackFill::White;
        return;
    }
    shown.picture = full ? CardPicture::Face : CardPicture::SmallFace;
    shown.SheetCard = FoldCardId(card);
}

void ChooseEmptyOrBack(CardShown& shown, Pics pics, int mode, const CardLook& look) {
    if (mode == EmptyPileMode) {
        // The centers are large piles in every board: a small empty picture would leave a band of
        // the pile's colour around it.
        const bool largePile = pics == Pics::Picture7 || pics == Pics::PicCenter;
        const bool large = LargeDisplay(look) && (look.NumPlayers == 2 || largePile || look.PTurn == 1);
        shown.picture = large ? CardPicture::LargeEmpty : CardPicture::SmallEmpty;
        return;
    }
    const bool large = LargeDisplay(look) && (look.NumPlayers == 2 || pics == Pics::Picture7);
    shown.picture = large ? CardPicture::LargeBack : CardPicture::SmallBack;
    if (EffectiveBackDesign(look.BackDesign) == 0) {
        // The plain back is a pattern over the deck colour.
        shown.singleBorder = true;
        shown.backColor = BackFill::DeckColor;
    }
}

} // namespace

CardShown ShowCardChoice(Pics pics, int index, int card, int mode, const CardLook& look) {
    CardShown shown;
    if (card < 0) {
        shown.badCard = true;
        return shown;
    }
    if (card != 0)
        ChooseFace(shown, pics, index, card, look);
    else
        ChooseEmptyOrBack(shown, pics, mode, look);
    if (mode >= 1 && mode <= 5 && look.SoundLevel != 2) shown.cardSound = mode;
    return shown;
}

std::string PictureKey(const CardShown& shown) {
    switch (shown.picture) {
    case CardPicture::None: return "";
    case CardPicture::Face: return "face:" + CStr(shown.SheetCard);
    case CardPicture::SmallFace: return "smallface:" + CStr(shown.SheetCard);
    case CardPicture::RankPicture: return "rank:" + CStr(shown.rank);
    case CardPicture::SmallRankPicture: return "smallrank:" + CStr(shown.rank);
    case CardPicture::LargeBack: return "back:large";
    case CardPicture::SmallBack: return "back:small";
    case CardPicture::LargeEmpty: return "empty:large";
    case CardPicture::SmallEmpty: return "empty:small";
    }
    return "";
}

std::string ShowCardProblemText(int errorNumber, std::string_view description, std::string_view objectName,
                                int index, int card, int sheetCard) {
    std::string text = "Houston, we have a problem:";
    text += CRLF;
    text += "Error " + Str(errorNumber);
    text += CRLF;
    text += ": ";
    text += description;
    text += CRLF;
    text += "Object is: ";
    text += objectName;
    text += CRLF;
    text += "ToPicNum: " + Str(index) + "  FromPicNum: " + Str(card) + "  adjusted (From): " + Str(sheetCard);
    return text;
}

} // namespace zarle
