// Card flights: the pile picture that holds a card slides to its target pile along the flight's
// steps, drawn once a frame of the display for a time set by the speed, the board live between
// frames; the picture then goes back home hidden for the caller to redraw. The spare picture
// Picture1(0) shows what remains at the source meanwhile.

#include "board/BoardPresenter.h"

#include "rendering/flight/CardFlight.h"
#include "board/PileFamilies.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace zarle {

namespace {

constexpr ControlId Spare{Ctl::Picture1, 0};
constexpr float SettleSeconds = 0.001f;
constexpr double UsualFramesPerSecond = 60;

double SteadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

BoardPresenter::FlightClock BoardPresenter::RealFlightClock() {
    return SteadySeconds;
}

double BoardPresenter::FramesPerSecond() const {
    const QScreen* screen = surface_.Widget().screen();
    const double rate = screen ? screen->refreshRate() : 0;
    return rate >= 20 && rate <= 500 ? rate : UsualFramesPerSecond;
}

// Time on screen is whichever is further on: the clock, or the waits asked for (waits that
// return at once still move the card along). A closing program lands the card at once.
void BoardPresenter::Fly(ControlId source, FlightPoint start, const std::vector<FlightPoint>& path) {
    const double seconds = FlightSeconds(profile_.AnimSpeed);
    const double frameSeconds = 1.0 / FramesPerSecond();
    const double began = flightClock_();
    long long frame = 0;
    for (double shown = 0; shown < seconds;) {
        // The next frame after the time shown; a late frame is skipped, never drawn twice.
        frame = std::max(frame + 1, static_cast<long long>(shown / frameSeconds) + 1);
        const double nextFrame = std::min(seconds, static_cast<double>(frame) * frameSeconds);
        services_.Waiter.Wait(static_cast<float>(nextFrame - shown));
        shown = game_.StopWait ? seconds : std::max(nextFrame, flightClock_() - began);
        const FlightPoint at = FlightPlaceAt(start, path, shown / seconds);
        Control& card = model_.Edit(source);
        card.Left = ToTwips(std::round(at.Left));
        card.Top = ToTwips(std::round(at.Top));
        Present();
    }
}

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

    const FlightPoint start{ToPixels(homeLeft), ToPixels(homeTop)};
    const auto path = CardFlightPath(start, dst, profile_.AnimSpeed);
    if (!path.empty()) Fly(source, start, path);
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
