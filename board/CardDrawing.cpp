// Cards on the piles: a face, a back or an empty pile on one picture, a seat's ten slots, the
// table's look, and the card banks a profile chooses from.

#include "board/BoardPresenter.h"

#include "rendering/cards/CardArtPaths.h"
#include "rendering/cards/CardGeometry.h"
#include "rendering/cards/CardPictureBank.h"
#include "board/CardStyles.h"
#include "board/PileFamilies.h"
#include "base/text/VbText.h"
#include "rendering/cards/clsDLL.h"

namespace zarle {

namespace {

constexpr uint32_t White = 0xFFFFFF;
constexpr int ControlArrayElementMissing = 340;

} // namespace

CardLook BoardPresenter::Look() const {
    return CardLook{game_.CardStyle,  game_.DisplaySize, game_.ScreenTwips,   largeFonts_,
                    game_.NumPlayers, game_.PTurn,       profile_.BackDesign, game_.SoundLevel};
}

void BoardPresenter::ShowCard(Pics pics, int index, int card, int mode) {
    Batch batch(*this);
    const auto shown = DrawCard(pics, index, card, mode);
    if (shown && shown->cardSound != 0) services_.Sound.PlayCardSound(shown->cardSound);
}

std::optional<CardShown> BoardPresenter::DrawCard(Pics pics, int index, int card, int mode) {
    const CardShown shown = ShowCardChoice(pics, index, card, mode, Look());
    if (shown.badCard) {
        ReportCardProblem(pics, index, card, shown.SheetCard, BadCardError, BadCardDescription);
        return std::nullopt;
    }
    const auto family = BoardFamily(pics);
    if (!family) return std::nullopt;
    if (!model_.IsLoaded(*family, index)) {
        ReportCardProblem(pics, index, card, shown.SheetCard, ControlArrayElementMissing,
                          "Control array element '" + CStr(index) + "' doesn't exist");
        return std::nullopt;
    }
    Control& c = model_.Edit(*family, index);
    c.Visible = true;
    c.Picture = PictureKey(shown);
    if (shown.singleBorder) c.BorderStyle = 1;
    if (shown.backColor == BackFill::White) c.BackColor = White;
    if (shown.backColor == BackFill::DeckColor) c.BackColor = game_.DeckColor;
    if (card == 0 && mode == EmptyPileMode) Refresh({*family, index});
    return shown;
}

void BoardPresenter::PrepareCardPictures() {
    std::vector<std::string> keys;
    const CardLook look = Look();
    for (const Pics pics : {Pics::Picture7, Pics::Picture1, Pics::PicCenter})
        for (int card = 0; card <= CardsPerPack; ++card) {
            const CardShown shown = ShowCardChoice(pics, 2, card, 0, look);
            if (!shown.badCard) keys.push_back(PictureKey(shown));
        }
    surface_.PreparePictures(keys);
}

void BoardPresenter::ReportCardProblem(Pics pics, int index, int card, int sheetCard, int error,
                                       const std::string& what) {
    services_.Box.MsgBox(ShowCardProblemText(error, what, PicsName(pics), index, card, sheetCard),
                         MbExclamation, "");
}

const SlotRow* BoardPresenter::SlotsOf(Pics pics) const {
    switch (pics) {
    case Pics::Picture7: return &game_.PlayerCards;
    case Pics::Picture1: return &game_.SeatRec1.Slots;
    case Pics::Picture2: return &game_.SeatRec2.Slots;
    case Pics::Picture3: return &game_.SeatRec3.Slots;
    default: return nullptr;
    }
}

void BoardPresenter::RefreshPileBorders(Pics pics) {
    Batch batch(*this);
    const SlotRow* cards = SlotsOf(pics);
    const auto family = BoardFamily(pics);
    if (!cards || !family) return;
    const int faceBorder = RankStyleInUse(game_.CardStyle) ? 1 : 0;
    const auto setBorder = [&](int slot, int style) {
        if (model_.IsLoaded(*family, slot)) model_.Edit(*family, slot).BorderStyle = style;
    };

    const CardRec side = (*cards)[1];
    if (side.Value != 0) DrawCard(pics, 1, side.Id, 0);
    setBorder(1, faceBorder);

    // A finished game (no one to move, cards still on the table) shows every hand.
    const bool handFaceUp = pics == Pics::Picture7 || game_.PeekOn || game_.PTurn == 0;
    for (int k = FirstHandSlot; k <= LastHandSlot; ++k) {
        const CardRec slot = (*cards)[k];
        if (slot.Value == 0) {
            if (model_.IsLoaded(*family, k)) model_.Edit(*family, k).Visible = false;
        } else if (handFaceUp) {
            if (DrawCard(pics, k, slot.Id, 0)) setBorder(k, faceBorder);
        } else if (const auto back = DrawCard(pics, k, 0, 0)) {
            setBorder(k, back->singleBorder ? 1 : 0); // only the plain back has an outline
        }
    }

    for (int k = FirstHoldSlot; k <= SlotCount; ++k) {
        setBorder(k, 1);
        const CardRec slot = (*cards)[k];
        if (slot.Value != 0)
            DrawCard(pics, k, slot.Id, 0);
        else
            DrawCard(pics, k, 0, EmptyPileMode);
        if (model_.IsLoaded(*family, k)) Refresh({*family, k});
    }
}

void BoardPresenter::ApplyTableLook() {
    Batch batch(*this);
    for (int c = 0; c <= 3; ++c) {
        Control& center = model_.Edit(Ctl::PicCenter, c);
        center.BackColor = game_.DeckColor;
        if (c > 0) center.Picture = layout_.State().BackPicA;
    }
    for (const Ctl sidePile : {Ctl::Picture7, Ctl::Picture1}) {
        Control& top = model_.Edit(sidePile, 1);
        top.BackColor = game_.DeckColor;
        top.BorderStyle = 0;
    }
    DrawCard(Pics::Picture1, 1, 0, 0);
    DrawCard(Pics::Picture7, 1, 0, 0);
    for (int slot = FirstHoldSlot; slot <= SlotCount; ++slot) {
        DrawCard(Pics::Picture1, slot, 0, EmptyPileMode);
        DrawCard(Pics::Picture7, slot, 0, EmptyPileMode);
    }
}

void BoardPresenter::PicturesChanged() {
    Present();
    surface_.PicturesChanged();
}

void BoardPresenter::LoadCardSkin() {
    if (pictures_.LoadCardSkin(game_.CardStyle)) PicturesChanged();
}

void BoardPresenter::SaveCardBitmaps() {
    pictures_.SaveCardBitmaps();
    PicturesChanged();
}

void BoardPresenter::SetCardSizePics() {
    Batch batch(*this);
    const int skin = profile_.BackgroundIdx == 1 ? 1 : 0;
    const int margin = pictures_.SetCardSizePics(skin);
    model_.Edit(Ctl::picPanel).Picture = art::MenuBanner(skin);
    const Control& panel = model_.Get(Ctl::picPanel);
    const double panelRight = panel.Left + panel.Width;
    for (const Ctl caption : {Ctl::lblLevel, Ctl::lblRules}) {
        Control& label = model_.Edit(caption);
        label.Left = panelRight - (ToTwips(margin) + label.Width);
    }
    PicturesChanged();
}

void BoardPresenter::ApplyCardLook() {
    Batch batch(*this);
    SetCardSizePics();
    clsDLL component(pictures_);
    if (game_.CardStyle <= 5) {
        LoadCardSkin();
    } else {
        component.GetCardFaces(game_.CardStyle);
        SaveCardBitmaps();
    }
    component.GetCardBacks(profile_.BackDesign);
    PicturesChanged();
    if (game_.NetMode == 0) ApplyTableLook();
}

} // namespace zarle
