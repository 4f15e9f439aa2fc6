// Card flights: the pile picture that holds a card slides to its target pile one step a frame,
// the board stays live between steps, and the picture goes back home hidden for the caller to
// redraw. The spare picture Picture1(0) shows what remains at the source meanwhile.

#include "BoardPresenter.h"

#include "CardFlight.h"
#include "PileFamilies.h"

namespace zarle {

namespace {

constexpr ControlId Spare{Ctl::Picture1, 0};
constexpr float SettleSeconds = 0.001f;

} // namespace

void BoardPresenter::AnimateCard(Pics srcPics, int srcIndex, Pics dstPics, int dstIndex) {
    Batch batch(*this);
    const auto srcFamily = BoardFamily(srcPics);
    const auto dstFamily = BoardFamily(dstPics);
    if (!srcFamily || !dstFamily || !model_.IsLoaded(*srcFamily, srcIndex) ||
        !model_.IsLoaded(*dstFamily, dstIndex))
        return;
    const ControlId source{*srcFamily, srcIndex};
    const double homeLeft = model_.Get(source).Left;
    const double homeTop = model_.Get(source).Top;
    const Control& target = model_.Get(*dstFamily, dstIndex);
    const FlightPoint dst{ToPixels(target.Left), ToPixels(target.Top)};
    const bool humanHold = srcPics == Pics::Picture7 && srcIndex >= FirstHoldSlot;

    if (!game_.DealPos || humanHold) {
        Control& spare = model_.Edit(Spare);
        spare.Left = homeLeft;
        spare.Top = homeTop;
    }
    Present();
    services_.Waiter.DoEvents();
    model_.BringToFront(source.family, source.index);
    if (srcPics != Pics::Picture7 && srcIndex == 1 && game_.WorkSideCount != 0)
        model_.Edit(Spare).Visible = true;

    if (humanHold) {
        // The spare picture shows the card under the one that leaves, or the empty pile.
        const int pile = srcIndex - (FirstHoldSlot - 1);
        const int depth = game_.HoldCount[pile];
        if (depth > 0 && depth <= HoldDepth) {
            game_.WorkSlots[0] = game_.HoldCards[pile][depth];
            DrawCard(Pics::Picture1, 0, game_.WorkSlots[0].Id, 0);
        } else {
            DrawCard(Pics::Picture1, 0, 0, EmptyPileMode);
            model_.Edit(Spare).Visible = true;
        }
    }
    if (srcIndex >= FirstHoldSlot && (!humanHold || game_.WorkSlots[0].Value != 0))
        model_.Edit(Spare).Visible = true;

    const auto path = CardFlightPath({ToPixels(homeLeft), ToPixels(homeTop)}, dst, game_.AnimSpeed);
    for (const FlightPoint& at : path) {
        Control& card = model_.Edit(source);
        card.Left = ToTwips(at.Left);
        card.Top = ToTwips(at.Top);
        Present();
        services_.Waiter.Wait(FlightStepSeconds);
    }
    services_.Waiter.Wait(SettleSeconds);
    Control& card = model_.Edit(source);
    card.Visible = false;
    card.Left = homeLeft;
    card.Top = homeTop;
}

void BoardPresenter::DealCardFlight(Pics pics, int slot, int card, int mode) {
    Batch batch(*this);
    Control& spare = model_.Edit(Spare);
    const Control& stock = model_.Get(Ctl::PicCenter, 0);
    spare.Left = stock.Left;
    spare.Top = stock.Top;
    DrawCard(Pics::Picture1, 0, 0, 0);
    game_.WorkSlots[0] = CardRec{};
    model_.Edit(Spare).Visible = true;
    AnimateCard(Pics::Picture1, 0, pics, slot);
    ShowCard(pics, slot, card, mode);
}

} // namespace zarle
