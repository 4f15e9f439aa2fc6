// Card flights on the real window: the pile picture moves step by step, one frame apiece, and goes
// home hidden; the spare picture stands in at the source; a deal flies from the stock.

#include "CardFlight.h"
#include "BoardTable.h"
#include "SeatPictures.h"

#include <gtest/gtest.h>

namespace zarle::test {
namespace {

std::vector<QPoint> PathInPixels(const std::vector<FlightPoint>& path) {
    std::vector<QPoint> out;
    for (const FlightPoint& p : path) out.emplace_back(qRound(p.Left), qRound(p.Top));
    return out;
}

// A board whose flights note where the flying widget stood at each frame.
struct Flight {
    BoardTable t;
    std::vector<QPoint> steps;
    Flight(int players = 2) : t(TableSetting{players}) {}
    void Fly(Pics src, int srcIndex, Pics dst, int dstIndex) {
        const ControlId flying = PicControl(src, srcIndex);
        t.Waiter.OnWait = [this, flying] {
            if (t.Waiter.Waits.back() == FlightStepSeconds) steps.push_back(t.Widget(flying)->pos());
        };
        t.Board().AnimateCard(src, srcIndex, dst, dstIndex);
    }
};

TEST(BoardFlight, MovesThePileOneFrameAStepAndPutsItBackHidden) {
    Flight f;
    f.t.Game.AnimSpeed = 10;
    f.t.Game.PlayerCards[3] = CardOfId(8);
    f.t.Board().ShowCard(Pics::Picture7, 3, 8, 0);
    QWidget* card = f.t.Widget({Ctl::Picture7, 3});
    const QPoint home = card->pos();
    const QPoint target = f.t.Widget({Ctl::PicCenter, 1})->pos();

    f.Fly(Pics::Picture7, 3, Pics::PicCenter, 1);

    const auto expected = PathInPixels(
        CardFlightPath({double(home.x()), double(home.y())}, {double(target.x()), double(target.y())}, 10));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(f.steps, expected);
    EXPECT_TRUE(card->isHidden());
    EXPECT_EQ(card->pos(), home);
    EXPECT_EQ(f.t.Model({Ctl::Picture7, 3}).Left, ToTwips(home.x()));
}

TEST(BoardFlight, ASpeedOfZeroFliesAtTheDefaultSpeed) {
    Flight f;
    f.t.Game.AnimSpeed = 0;
    f.t.Game.PlayerCards[4] = CardOfId(9);
    const QPoint home = f.t.Widget({Ctl::Picture7, 4})->pos();
    const QPoint target = f.t.Widget({Ctl::PicCenter, 2})->pos();
    f.Fly(Pics::Picture7, 4, Pics::PicCenter, 2);
    EXPECT_EQ(f.steps.size(), CardFlightPath({double(home.x()), double(home.y())},
                                             {double(target.x()), double(target.y())}, DefaultAnimSpeed)
                                  .size());
}

TEST(BoardFlight, TheSparePictureShowsTheCardUnderAHoldPilesTop) {
    for (const int depth : {2, 0}) {
        SCOPED_TRACE(depth);
        Flight f;
        f.t.Game.PlayerCards[7] = CardOfId(30);
        f.t.Game.HoldCount[1] = static_cast<int16_t>(depth);
        f.t.Game.HoldCards[1][2] = CardOfId(5);
        f.t.Board().ShowCard(Pics::Picture7, 7, 30, 0);
        const QPoint holdPile = f.t.Widget({Ctl::Picture7, 7})->pos();

        f.Fly(Pics::Picture7, 7, Pics::PicCenter, 3);

        QWidget* spare = f.t.Widget({Ctl::Picture1, 0});
        EXPECT_EQ(spare->pos(), holdPile);
        EXPECT_FALSE(spare->isHidden());
        EXPECT_EQ(f.t.Model({Ctl::Picture1, 0}).Picture, depth ? "face:5" : "empty:large");
        EXPECT_EQ(f.t.Game.WorkSlots[0], depth ? CardOfId(5) : CardRec{});
    }
}

TEST(BoardFlight, ADealtCardFliesFromTheStockAndLandsWithItsSound) {
    Flight f;
    f.t.Game.DealPos = true; // the engine deals
    QWidget* spare = f.t.Widget({Ctl::Picture1, 0});
    const QPoint stock = f.t.Widget({Ctl::PicCenter, 0})->pos();

    f.t.Waiter.OnWait = [&] {
        if (f.t.Waiter.Waits.back() == FlightStepSeconds) f.steps.push_back(spare->pos());
    };
    f.t.Board().DealCardFlight(Pics::Picture7, 4, 27, 3);

    const QPoint slot = f.t.Widget({Ctl::Picture7, 4})->pos();
    EXPECT_EQ(f.steps,
              PathInPixels(CardFlightPath({double(stock.x()), double(stock.y())},
                                          {double(slot.x()), double(slot.y())}, f.t.Game.AnimSpeed)));
    EXPECT_TRUE(spare->isHidden());
    EXPECT_EQ(spare->pos(), stock);
    EXPECT_EQ(f.t.Model({Ctl::Picture7, 4}).Picture, "face:27");
    EXPECT_FALSE(f.t.Widget({Ctl::Picture7, 4})->isHidden());
    EXPECT_EQ(f.t.Sound.CardEffects, std::vector<int>{3});
}

} // namespace
} // namespace zarle::test
