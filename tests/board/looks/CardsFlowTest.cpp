// The card-back flow animation: its frames cover what they should, and the board's mouse, a new
// game, a resize and the menus' stop end it, with the board painted again and no file left.

#include "tests/board/looks/LooksTable.h"

#include "rendering/cards/CardPictureBank.h"
#include "board/FrmZarle.h"
#include "tests/support/board/PixmapOf.h"
#include "board/looks/FlowFrames.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

namespace zarle::test {
namespace {

namespace fs = std::filesystem;

TEST(FlowFrames, OffsetsDriftAndWrapToOneNotZero) {
    const QSize tile(71, 96);
    EXPECT_EQ(NextFlowOffsets({0, 0}, tile), (FlowOffsets{2, -1}));
    EXPECT_EQ(NextFlowOffsets({69, -95}, tile), (FlowOffsets{71, -96})) << "a whole tile is no wrap yet";
    EXPECT_EQ(NextFlowOffsets({70, -96}, tile), (FlowOffsets{1, -1}));
}

// Every pixel of the board, or of the band along its top, lies under a tile in every frame.
TEST(FlowFrames, TilesCoverTheBoardWhateverItsSizeAndTheDrift) {
    QImage white(71, 96, QImage::Format_RGB32);
    white.fill(Qt::white);
    for (const QSize board : {QSize(1200, 800), QSize(1000, 700), QSize(50, 30)}) {
        FlowOffsets offsets;
        for (int frame = 0; frame < 200; ++frame) {
            offsets = NextFlowOffsets(offsets, white.size());
            if (frame % 23 != 0) continue;
            for (const int variant : {0, 1}) {
                const QImage shown = ComposeFlowFrame(white, variant, offsets, board);
                const int rows = variant == 0 ? board.height() : std::min(board.height(), white.height());
                bool covered = true;
                for (int y = 0; y < rows && covered; ++y)
                    for (int x = 0; x < board.width() && covered; ++x)
                        covered = shown.pixel(x, y) == qRgb(255, 255, 255);
                EXPECT_TRUE(covered) << board.width() << "x" << board.height() << " variant " << variant
                                     << " offsets " << offsets.X << "," << offsets.Y;
            }
        }
    }
    EXPECT_TRUE(FlowTilePlaces(0, {}, QSize(0, 96), {800, 600}).empty()) << "an empty tile never divides";
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, button, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

class CardsFlowTest : public ::testing::Test {
  protected:
    CardsFlowTest() {
        t.Profile.BackIdx = t.IndexOf("tile_wood.jpg");
        t.Board().BackgroundPaint();
        window().show();
        t.Waiter.OnWait = [this] {
            if (!t.Game.FlowRunning) return;
            ++frames;
            tileFileSeen = tileFileSeen || fs::exists(TileFile());
            if (onFrame) onFrame(frames);
        };
    }
    ~CardsFlowTest() override { window().close(); }

    QWidget& window() { return t.Window->Window(); }
    fs::path TileFile() { return t.Looks().Flow().TileFile(); }
    // The large back on the deck colour, as the animation tiles it.
    QImage Back() {
        const QImage& back = t.Window->Pictures().FilePic(0);
        QImage tile(back.size(), QImage::Format_RGB32);
        tile.fill(QColor(0xFF, 0xE0, 0xC0));
        QPainter(&tile).drawImage(0, 0, back);
        return tile;
    }
    void ExpectStoppedAndClean() {
        EXPECT_FALSE(t.Game.FlowRunning);
        EXPECT_TRUE(t.Game.FlowStop);
        EXPECT_TRUE(tileFileSeen) << "the back lies in Data/~temp.bmp while the animation runs";
        EXPECT_FALSE(fs::exists(TileFile())) << "and is gone afterwards";
    }

    LooksTable t;
    int frames = 0;
    bool tileFileSeen = false;
    std::function<void(int)> onFrame;
};

TEST_F(CardsFlowTest, AVerticalMouseMoveOfMoreThanTenPixelsStopsIt) {
    ASSERT_EQ(t.Game.DeckColor, 0xC0E0FFu);
    const QImage wood = t.TableShown();
    QImage firstFrame;
    onFrame = [&](int frame) {
        if (frame == 1) firstFrame = t.TableShown();
        if (frame == 2) SendMouse(window(), QEvent::MouseMove, {300, 200});
        if (frame == 3) SendMouse(window(), QEvent::MouseMove, {500, 210}); // sideways, and 10 down
        if (frame == 4) SendMouse(window(), QEvent::MouseMove, {100, 190});
        if (frame == 5) SendMouse(window(), QEvent::MouseMove, {100, 211});
        ASSERT_LT(frame, 10) << "the move should have stopped it";
    };
    t.Looks().AnimateCardsFlow(0);
    EXPECT_EQ(frames, 5);
    ExpectStoppedAndClean();
    EXPECT_EQ(firstFrame.pixelColor(35, 40), Back().pixelColor(35, 40)) << "the back covers the board";
    EXPECT_TRUE(SamePixels(t.TableShown(), wood)) << "the background is painted again";
}

TEST_F(CardsFlowTest, ANewGameStopsItAndIsDealtThen) {
    ASSERT_EQ(t.Game.PTurn, 0);
    onFrame = [&](int frame) {
        if (frame == 3) t.Window->TheEngine().Game_New();
    };
    t.Looks().AnimateCardsFlow(0);
    EXPECT_EQ(frames, 3);
    ExpectStoppedAndClean();
    EXPECT_NE(t.Game.PTurn, 0) << "dealt once the animation stopped";
    EXPECT_GT(t.Game.SideCount, 0);
    EXPECT_NE(t.Game.PlayerCards[2].Value, 0);
    EXPECT_FALSE(t.Game.FlowNewGame);
}

TEST_F(CardsFlowTest, ANewGameAskedForWhileTheProgramClosesIsNotDealt) {
    onFrame = [&](int frame) {
        if (frame != 2) return;
        t.Game.StopWait = true;
        t.Window->TheEngine().Game_New();
    };
    t.Looks().AnimateCardsFlow(0);
    t.Game.StopWait = false;
    EXPECT_EQ(t.Game.PTurn, 0);
    EXPECT_FALSE(fs::exists(TileFile()));
}

TEST_F(CardsFlowTest, TheCardRowsVariantLeavesTheRestOfTheBoardAndAPressStopsIt) {
    const QImage wood = t.TableShown();
    const BoardModel& model = t.Board().Model();
    const int opponentRow = qRound(ToPixels(model.Get(Ctl::Picture1, 1).Top));
    const int humanRow = qRound(ToPixels(model.Get(Ctl::Picture7, 1).Top));
    QImage shown;
    onFrame = [&](int frame) {
        if (frame == 3) shown = t.TableShown();
        if (frame == 4) SendMouse(window(), QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton);
    };
    t.Looks().AnimateCardsFlow(1);
    EXPECT_EQ(frames, 4);
    ExpectStoppedAndClean();
    ASSERT_EQ(shown.size(), wood.size());
    const auto bands = CardRowBands(window().size(), opponentRow, humanRow, 96);
    QRegion rows;
    for (const FlowBand& band : bands) rows += QRect(band.Target, band.Source.size());
    int outsideChanged = 0;
    int insideChanged = 0;
    for (int y = 0; y < shown.height(); y += 3)
        for (int x = 0; x < shown.width(); x += 3) {
            const bool changed = shown.pixel(x, y) != wood.pixel(x, y);
            (rows.contains(QPoint(x, y)) ? insideChanged : outsideChanged) += changed ? 1 : 0;
        }
    EXPECT_EQ(outsideChanged, 0);
    EXPECT_GT(insideChanged, 100);
}

// Each variant mid-run over a dealt game with a patterned back, saved for review; stopped by a
// resize, by the menus' stop and by a press.
TEST_F(CardsFlowTest, EachVariantMidRun) {
    t.Window->Deal();
    t.Profile.BackDesign = 1;
    t.Looks().PreferencesPort().ApplyBackDesign();
    t.Board().Redraw();
    const ControlId stock{Ctl::PicCenter, 0};
    auto* stockBox = static_cast<FrmZarle&>(t.Window->Surface()).ControlWidget(stock);
    const QImage stockPicture = PictureOf(stockBox);
    for (const int variant : {0, 1, 2}) {
        frames = 0;
        onFrame = [&](int frame) {
            if (frame != 12) return;
            SaveForReview(window().grab().toImage(), QString("flow-variant%1").arg(variant));
            if (variant == 0) {
                window().resize(window().size() + QSize(10, 10));
                QCoreApplication::processEvents();
            }
            if (variant == 1) t.Looks().StopCardsFlow();
            if (variant == 2) {
                EXPECT_FALSE(SamePixels(PictureOf(stockBox), stockPicture)) << "the stock shows the drift";
                SendMouse(*stockBox, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
            }
        };
        t.Looks().AnimateCardsFlow(variant);
        EXPECT_EQ(frames, 12) << "variant " << variant;
        ExpectStoppedAndClean();
    }
    EXPECT_TRUE(SamePixels(PictureOf(stockBox), stockPicture)) << "the stock shows its own picture again";
}

} // namespace
} // namespace zarle::test
