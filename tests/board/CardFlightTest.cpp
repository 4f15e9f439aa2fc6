// Card flights on the real window: the pile picture is drawn once a frame for a time the speed
// sets, ends exactly where the flight's steps end, and goes home hidden; the spare picture stands
// in at the source; a deal flies from the stock.

#include "rendering/flight/CardFlight.h"
#include "tests/support/board/BoardTable.h"
#include "engine/SeatPictures.h"

#include <gtest/gtest.h>

#include <numeric>

namespace zarle::test {
namespace {

constexpr float SettleSeconds = 0.001f;

QPoint InPixels(FlightPoint p) {
    return {qRound(p.Left), qRound(p.Top)};
}

FlightPoint At(QPoint p) {
    return {double(p.x()), double(p.y())};
}

// A board whose flights note every wait and where the flying card stood on the window then (a
// pile's border lies around its card, so the card's place is the widget's inside).
struct Flight {
    BoardTable t;
    std::vector<QPoint> seen;
    Flight(int players = 2) : t(TableSetting{players}) {}
    QPoint Place(ControlId id) { return t.CardPlace(id); }
    void Watch(ControlId flying) {
        t.Waiter.OnWait = [this, flying] { seen.push_back(Place(flying)); };
    }
    void Fly(Pics src, int srcIndex, Pics dst, int dstIndex) {
        Watch(PicControl(src, srcIndex));
        t.Board().AnimateCard(src, srcIndex, dst, dstIndex);
    }
    // The frames' waits: all but the settling wait at the end.
    std::vector<float> Frames() const {
        std::vector<float> frames = t.Waiter.Waits;
        if (!frames.empty() && frames.back() == SettleSeconds) frames.pop_back();
        return frames;
    }
};

TEST(BoardFlight, TakesAFixedTimeOnScreenByTheSpeedAndEndsWhereTheStepsEnd) {
    struct Case {
        int speed;
        double minSeconds, maxSeconds;
    };
    const Case cases[] = {{2, 0, 0.02}, {45, 0.15, 0.25}, {250, 0.9, 1.2}, {0, 0.15, 0.25}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.speed);
        Flight f;
        f.t.Profile.AnimSpeed = static_cast<int16_t>(c.speed);
        f.t.Game.PlayerCards[3] = CardOfId(8);
        f.t.Board().ShowCard(Pics::Picture7, 3, 8, 0);
        QWidget* card = f.t.Widget({Ctl::Picture7, 3});
        const QPoint home = f.Place({Ctl::Picture7, 3});
        const QPoint target = f.Place({Ctl::PicCenter, 1});

        f.Fly(Pics::Picture7, 3, Pics::PicCenter, 1);

        const auto frames = f.Frames();
        ASSERT_FALSE(frames.empty());
        const double onScreen = std::accumulate(frames.begin(), frames.end(), 0.0);
        EXPECT_GE(onScreen, c.minSeconds);
        EXPECT_LE(onScreen, c.maxSeconds);
        for (const float frame : frames) EXPECT_LE(frame, 1.0f / 60 + 1e-6f);
        const auto path = CardFlightPath(At(home), At(target), c.speed);
        EXPECT_EQ(f.seen.back(), InPixels(path.back())) << "the last frame, seen at the settling wait";
        EXPECT_TRUE(card->isHidden());
        EXPECT_EQ(f.Place({Ctl::Picture7, 3}), home);
        EXPECT_EQ(f.t.Model({Ctl::Picture7, 3}).Left, ToTwips(home.x()));
    }
}

TEST(BoardFlight, FramesFollowTheStepsTowardTheTarget) {
    Flight f;
    f.t.Profile.AnimSpeed = 250;
    f.t.Game.PlayerCards[2] = CardOfId(8);
    const QPoint home = f.Place({Ctl::Picture7, 2});
    const QPoint target = f.Place({Ctl::PicCenter, 3});
    f.Fly(Pics::Picture7, 2, Pics::PicCenter, 3);
    ASSERT_GT(f.seen.size(), 30u);
    // The hand lies below the centers: every frame is at or above the one before, never past
    // where the steps stop.
    const auto stop = InPixels(CardFlightPath(At(home), At(target), 250).back());
    for (size_t i = 1; i < f.seen.size(); ++i) {
        EXPECT_LE(f.seen[i].y(), f.seen[i - 1].y()) << i;
        EXPECT_GE(f.seen[i].y(), stop.y()) << i;
    }
}

TEST(BoardFlight, TheSparePictureShowsTheCardUnderAHoldPilesTop) {
    for (const int depth : {2, 0}) {
        SCOPED_TRACE(depth);
        Flight f;
        f.t.Game.PlayerCards[7] = CardOfId(30);
        f.t.Game.HoldCount[1] = static_cast<int16_t>(depth);
        f.t.Game.HoldCards[1][2] = CardOfId(5);
        f.t.Board().ShowCard(Pics::Picture7, 7, 30, 0);
        const QPoint holdPile = f.Place({Ctl::Picture7, 7});

        f.Fly(Pics::Picture7, 7, Pics::PicCenter, 3);

        QWidget* spare = f.t.Widget({Ctl::Picture1, 0});
        EXPECT_EQ(f.Place({Ctl::Picture1, 0}), holdPile);
        EXPECT_FALSE(spare->isHidden());
        EXPECT_EQ(f.t.Model({Ctl::Picture1, 0}).Picture, depth ? "face:5" : "empty:large");
        EXPECT_EQ(f.t.Game.WorkSlots[0], depth ? CardOfId(5) : CardRec{});
    }
}

TEST(BoardFlight, ADealtCardFliesFromTheStockAndLandsWithItsSound) {
    Flight f;
    f.t.Game.DealPos = true; // the engine deals
    QWidget* spare = f.t.Widget({Ctl::Picture1, 0});
    const QPoint stock = f.Place({Ctl::PicCenter, 0});

    f.Watch({Ctl::Picture1, 0});
    f.t.Board().DealCardFlight(Pics::Picture7, 4, 27, 3);

    const QPoint slot = f.Place({Ctl::Picture7, 4});
    ASSERT_FALSE(f.seen.empty());
    EXPECT_EQ(f.seen.back(), InPixels(CardFlightPath(At(stock), At(slot), f.t.Profile.AnimSpeed).back()));
    EXPECT_TRUE(spare->isHidden());
    EXPECT_EQ(f.Place({Ctl::Picture1, 0}), stock);
    EXPECT_EQ(f.t.Model({Ctl::Picture7, 4}).Picture, "face:27");
    EXPECT_FALSE(f.t.Widget({Ctl::Picture7, 4})->isHidden());
    EXPECT_EQ(f.t.Sound.CardEffects, std::vector<int>{3});
}

} // namespace
} // namespace zarle::test
