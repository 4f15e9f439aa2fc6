#include "platform/forms/Form.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/forms/Class1.h"
#include "platform/forms/OnScreen.h"

#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "tests/platform/QtPrinting.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zarle;

namespace {

// A window that remembers why it was asked to close, and refuses when told to.
class AskingForm : public Form {
  public:
    std::vector<int> asked;
    bool refuse = false;

  protected:
    bool QueryUnload(int unloadMode) override {
        asked.push_back(unloadMode);
        return refuse;
    }
};

} // namespace

TEST(Form, QueryUnloadTellsUserFromCodeAndCanRefuse) {
    AskingForm form;
    QSignalSpy unloaded(&form, &Form::Unloaded);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    form.refuse = true;
    form.windowHandle()->close();
    EXPECT_TRUE(form.isVisible()) << "the window stays open when refused";
    EXPECT_FALSE(form.Unload());
    EXPECT_EQ(form.asked, (std::vector<int>{Form::UnloadByUser, Form::UnloadByCode}));
    EXPECT_EQ(unloaded.size(), 0);

    form.refuse = false;
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(unloaded.size(), 1);
}

TEST(Form, ScaleSizeAndWindowState) {
    Form form;
    form.resize(800, 600);
    form.SetScaleMode(ScaleUnit::Twips);
    EXPECT_DOUBLE_EQ(form.ScaleWidth(), 12000);
    EXPECT_DOUBLE_EQ(form.ScaleHeight(), 9000);
    form.SetScaleMode(ScaleUnit::Pixels);
    EXPECT_DOUBLE_EQ(form.ScaleWidth(), 800);

    form.show();
    EXPECT_EQ(form.WindowState(), Form::Normal);
    form.SetWindowState(Form::Minimized);
    EXPECT_EQ(form.WindowState(), Form::Minimized);
    form.SetWindowState(Form::Normal);
    EXPECT_EQ(form.WindowState(), Form::Normal);
}

TEST(Form, DrawsItsPictureAtTheCornerOverItsBackColour) {
    Form form;
    form.resize(100, 80);
    form.SetBackColor(Qt::darkBlue);
    QPixmap table(60, 40);
    table.fill(Qt::darkGreen);
    form.SetPicture(table);
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::darkGreen));
    EXPECT_EQ(shot.pixelColor(59, 39), QColor(Qt::darkGreen));
    EXPECT_EQ(shot.pixelColor(60, 10), QColor(Qt::darkBlue));
    EXPECT_EQ(shot.pixelColor(99, 79), QColor(Qt::darkBlue));
}

TEST(Form, KeyPreviewSeesKeysBeforeTheControlAndOnlyOnce) {
    Form form;
    form.resize(300, 200);
    auto* card = new PictureBox(&form);
    card->setGeometry(10, 10, 71, 96);
    QStringList log;
    QObject::connect(&form.Events(), &ControlEvents::KeyDown,
                     [&](int code, int shift) { log << QStringLiteral("form %1 %2").arg(code).arg(shift); });
    QObject::connect(&card->Events(), &ControlEvents::KeyDown,
                     [&](int code, int shift) { log << QStringLiteral("card %1 %2").arg(code).arg(shift); });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    card->setFocus();

    QTest::keyClick(form.windowHandle(), Qt::Key_F2);
    EXPECT_EQ(log, QStringList{"card 113 0"}) << "without the preview the control alone hears it";

    log.clear();
    form.SetKeyPreview(true);
    QTest::keyClick(form.windowHandle(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(log,
              (QStringList{"form 16 1", "card 16 1", "form 17 3", "card 17 3", "form 80 3", "card 80 3"}))
        << "the modifier keys come first, each to the window before the control";

    log.clear();
    form.setFocus();
    QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(log, QStringList{"form 27 0"}) << "a key to the window itself is reported once";
}

// A command that waits lets the key's own release (and other keys) through to the window while
// the press is still on its way: the press still reaches the window's handler once.
TEST(Form, AKeyWhoseCommandWaitsIsReportedOnce) {
    Form form;
    form.resize(300, 200);
    form.SetKeyPreview(true);
    QStringList log;
    QObject::connect(&form.Events(), &ControlEvents::KeyDown, [&](int code, int) {
        log << QStringLiteral("down %1").arg(code);
        if (code == 113) {
            QTest::keyRelease(form.windowHandle(), Qt::Key_F2);
            QTest::keyClick(form.windowHandle(), Qt::Key_Return);
        }
    });
    QObject::connect(&form.Events(), &ControlEvents::KeyUp,
                     [&](int code, int) { log << QStringLiteral("up %1").arg(code); });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.setFocus();

    QTest::keyPress(form.windowHandle(), Qt::Key_F2);
    EXPECT_EQ(log, (QStringList{"down 113", "up 113", "down 13", "up 13"}));
}

TEST(Form, BorderlessWindowMovesWithTheMouseAndClicksStayClicks) {
    Form form;
    form.SetBorderless(true);
    form.setGeometry(100, 100, 300, 200);
    auto* caption = new Label(&form);
    caption->setGeometry(0, 0, 300, 30);
    form.DragBy(caption);
    int clicks = 0;
    QObject::connect(&caption->Events(), &ControlEvents::Click, [&] { ++clicks; });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.pos(), QPoint(100, 100));

    // Positions are the window's own, so once it has moved the pointer is back at (10, 10).
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(form.windowHandle(), QPoint(60, 40));
    QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(form.pos(), QPoint(150, 130));
    EXPECT_EQ(clicks, 1) << "a drag is no click";
}

TEST(Class1, KeepsAWindowOnTopOrReleasesIt) {
    Form window;
    window.move(40, 30);
    window.show();
    Class1 keeper;
    EXPECT_FALSE(keeper.OnTop());

    keeper.SetOnTop(true);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "the flag alone changes nothing";
    keeper.TopForm(window);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), QPoint(40, 30));

    Class1 fresh;
    fresh.TopForm(window);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        << "a fresh keeper releases the window";
    EXPECT_TRUE(window.isVisible());
}

// A modal window opened meanwhile (the connect dialog over the tip of the day) comes to the front:
// the window kept on top steps down while the modal one is open, and goes back on top after.
TEST(Class1, AWindowKeptOnTopStepsDownForAModalWindow) {
    Form board;
    board.show();
    Form tip(&board);
    tip.setWindowFlag(Qt::Tool);
    Class1 keeper;
    keeper.SetOnTop(true);
    keeper.TopForm(tip);
    tip.show();
    ASSERT_TRUE(tip.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    QDialog dialog(&board);
    bool onTopMeanwhile = true;
    bool tipShownMeanwhile = false;
    QTimer::singleShot(50, &dialog, [&] {
        onTopMeanwhile = tip.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        tipShownMeanwhile = tip.isVisible();
        dialog.accept();
    });
    dialog.exec();
    EXPECT_FALSE(onTopMeanwhile);
    EXPECT_TRUE(tipShownMeanwhile);
    EXPECT_TRUE(tip.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "back on top once it is closed";
    EXPECT_TRUE(tip.isVisible());
}

// A window's frame goes inside the screen's area as little moved as it can, and smaller only where
// it is larger than the area.
TEST(OnScreen, AFrameGoesInsideTheArea) {
    const QRect area(0, 0, 1280, 1024);
    struct Case {
        QRect frame, inside;
    };
    const Case cases[] = {
        {{558, 507, 722, 557}, {558, 467, 722, 557}}, // below the bottom edge: up
        {{900, 100, 600, 300}, {680, 100, 600, 300}}, // past the right edge: left
        {{-30, -20, 300, 200}, {0, 0, 300, 200}},     // above and left of the corner
        {{100, 200, 400, 1100}, {100, 0, 400, 1024}}, // taller than the screen: as tall as it
        {{200, 300, 500, 400}, {200, 300, 500, 400}}, // inside already: where it was
    };
    for (const Case& c : cases)
        EXPECT_EQ(FrameInside(c.frame, area), c.inside) << testing::PrintToString(c.frame);
}

// A window kept on top steps aside from a window that waits for an answer: to the side with room,
// nearest where it was; it stays where it is when no side has room.
TEST(OnScreen, AWindowOnTopStepsAsideWhereThereIsRoom) {
    const QRect area(0, 0, 1280, 1024);
    const QRect scores(170, 36, 584, 500);
    EXPECT_EQ(FrameBeside({569, 0, 354, 212}, scores, area), QRect(754, 0, 354, 212)) << "to the right";
    EXPECT_EQ(FrameBeside({100, 0, 354, 212}, {300, 0, 900, 500}, area), QRect(100, 500, 354, 212))
        << "below, the right having no room and the left less near";
    EXPECT_TRUE(FrameBeside({0, 0, 600, 600}, {100, 100, 1100, 900}, area).isEmpty());
}
