// The hidden-cards window on the real board: what a right click on a hold pile lists, where the
// window stands, and how it closes.

#include "tests/board/input/InputTable.h"

#include "platform/units/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace zarle::test {
namespace {

class HoldWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        t.DealToHuman();
        ASSERT_EQ(t.Game.PTurn, 1);
        t.Profile.HoldWinLeft = 1500;
        t.Profile.HoldWinTop = 3000;
    }
    // A hold pile 1 with `beneath` cards under its top: ids 1, 2, ... from the bottom.
    void HoldPile(int beneath) {
        t.GiveCard(7, 40);
        t.Game.HoldCount[1] = static_cast<int16_t>(beneath);
        for (int k = 1; k <= beneath; ++k) t.Game.HoldCards[1][k] = CardOfId(k);
    }
    QImage Shown(int index) { return Comparable(t.Input.HoldWindow()->Picture8[index].Picture().toImage()); }
    QImage SmallFace(int id) {
        const CardLook look{t.Game.CardStyle, t.Game.DisplaySize, t.Game.ScreenTwips, false, 2, 1, 0, 0};
        return Comparable(t.Pictures.Picture(ShowCardChoice(Pics::Picture8, 1, id, 0, look)));
    }
    static QImage Comparable(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }
    QPoint Remembered() {
        const double tpp = TwipsPerPixelX();
        return QPoint(qRound(t.Profile.HoldWinLeft / tpp), qRound(t.Profile.HoldWinTop / tpp));
    }
    InputTable t;
};

TEST_F(HoldWindow, ListsTheTenCardsNearestTheTopAsSmallFaces) {
    HoldPile(12);
    t.RightClick({Ctl::Picture7, 7});
    frmHold* window = t.Input.HoldWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->lblHold->Caption(), " Hold Cards Hidden: 12 ");
    EXPECT_EQ(t.Input.State().InfoPile, 1);
    EXPECT_EQ(t.Input.State().InfoOfOpponent, 0);
    EXPECT_EQ(Shown(1), SmallFace(12));
    EXPECT_EQ(Shown(10), SmallFace(3));
    EXPECT_EQ(Shown(1).size(), QSize(59, 80));

    // A pile of its top alone: the count 0 and ten empty piles.
    HoldPile(0);
    t.RightClick({Ctl::Picture7, 7});
    EXPECT_EQ(window->lblHold->Caption(), " Hold Cards Hidden: 0 ");
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(Shown(i), Comparable(t.Pictures.BackPicB())) << i;
}

TEST_F(HoldWindow, AnOpponentsHoldPileIsListedUnderItsName) {
    SeatRecord& seat = t.Game.SeatRec1;
    seat.Slots[8] = CardOfId(20);
    seat.HoldInfo[2][1] = 3;
    for (int k = 1; k <= 3; ++k) seat.HoldCards[2][k] = CardOfId(k + 20);
    t.RightClick({Ctl::Picture1, 8});
    ASSERT_TRUE(t.Input.HoldWindowLoaded());
    EXPECT_EQ(t.Input.HoldWindow()->lblHold->Caption(), " Zarle's Hold Cards Hidden: 2 ");
    EXPECT_EQ(t.Input.State().InfoCards, (std::vector<int16_t>{22, 21}));
}

// The window returns to the place last clicked, not the place last moved to.
TEST_F(HoldWindow, ComesBackWhereItWasLastClicked) {
    HoldPile(3);
    t.RightClick({Ctl::Picture7, 7});
    frmHold* window = t.Input.HoldWindow();
    EXPECT_EQ(window->pos(), Remembered());

    window->move(window->pos() + QPoint(40, 30));
    QTest::mouseClick(&window->cmdExit[0], Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    t.RightClick({Ctl::Picture7, 7});
    EXPECT_EQ(window->pos(), Remembered());

    const QPoint clicked = window->pos() + QPoint(25, 15);
    window->move(clicked);
    QTest::mouseClick(window->lblHold, Qt::LeftButton);
    window->close();
    EXPECT_FALSE(window->isVisible());
    t.RightClick({Ctl::Picture7, 7});
    EXPECT_EQ(window->pos(), clicked);
    EXPECT_EQ(Remembered(), clicked);
}

TEST_F(HoldWindow, APlaceOffTheScreenIsBroughtOntoIt) {
    HoldPile(1);
    t.Profile.HoldWinLeft = -30000;
    t.Profile.HoldWinTop = 32000;
    t.RightClick({Ctl::Picture7, 7});
    const QRect screen = t.Input.HoldWindow()->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(t.Input.HoldWindow()->frameGeometry())) << screen.width();
}

TEST_F(HoldWindow, ClosingOnlyHidesItAndCodeUnloadsIt) {
    HoldPile(1);
    t.RightClick({Ctl::Picture7, 7});
    t.Input.HoldWindow()->close();
    EXPECT_TRUE(t.Input.HoldWindowLoaded());
    t.Input.UnloadHoldWindow();
    EXPECT_FALSE(t.Input.HoldWindowLoaded());
    // It comes back when needed.
    t.RightClick({Ctl::Picture7, 7});
    EXPECT_TRUE(t.Input.HoldWindow()->isVisible());
}

} // namespace
} // namespace zarle::test
