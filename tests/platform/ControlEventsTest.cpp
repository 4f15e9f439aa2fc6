#include "platform/controls/PictureBox.h"
#include "platform/forms/Form.h"

#include <QTest>
#include <QWindow>

#include "tests/platform/QtPrinting.h"

#include <gtest/gtest.h>

using namespace zarle;

namespace {

// A board with one card picture at (100, 50); everything either reports is written down.
class MouseLog : public ::testing::Test {
  protected:
    void SetUp() override {
        form_.resize(400, 300);
        picture_ = new PictureBox(&form_);
        picture_->setGeometry(100, 50, 71, 96);
        Record(form_.Events(), "form ");
        Record(picture_->Events(), "");
        form_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
    }

    void Record(ControlEvents& events, const QString& who) {
        const auto args = [this, who](const char* what) {
            return [this, who, what](MouseArgs a) {
                log_ << QStringLiteral("%1%2 %3 %4 %5,%6")
                            .arg(who, what)
                            .arg(a.button)
                            .arg(a.shift)
                            .arg(a.x)
                            .arg(a.y);
            };
        };
        QObject::connect(&events, &ControlEvents::MouseDown, args("down"));
        QObject::connect(&events, &ControlEvents::MouseUp, args("up"));
        QObject::connect(&events, &ControlEvents::MouseMove, args("move"));
        QObject::connect(&events, &ControlEvents::Click, [this, who] { log_ << who + "click"; });
        QObject::connect(&events, &ControlEvents::DblClick, [this, who] { log_ << who + "dblclick"; });
    }

    QWindow* Window() { return form_.windowHandle(); }

    // The pointer arrives over the picture before it presses there.
    void PointAt(QPoint pos) {
        QTest::mouseMove(Window(), pos);
        log_.clear();
    }

    Form form_;
    PictureBox* picture_ = nullptr;
    QStringList log_;
};

} // namespace

TEST_F(MouseLog, PressDragAndReleaseReportButtonShiftAndPosition) {
    PointAt(QPoint(110, 70));
    QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(110, 70));
    QTest::mouseMove(Window(), QPoint(130, 75));
    QTest::mouseMove(Window(), QPoint(300, 250)); // outside the picture: it still has the mouse
    QTest::mouseRelease(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 250));
    EXPECT_EQ(log_, (QStringList{"down 1 0 10,20", "move 1 0 30,25", "move 1 0 200,200", "up 1 0 200,200"}))
        << "a release away from the picture is no click, and the board hears nothing";
}

TEST_F(MouseLog, RightButtonWithCtrlAndTwips) {
    picture_->SetScaleMode(ScaleUnit::Twips);
    PointAt(QPoint(102, 53));
    QTest::mouseClick(Window(), Qt::RightButton, Qt::ControlModifier, QPoint(102, 53));
    EXPECT_EQ(log_, (QStringList{"down 2 2 30,45", "up 2 2 30,45", "click"}));
}

TEST_F(MouseLog, DoubleClickComesAsDownUpClickDblClickUp) {
    PointAt(QPoint(110, 60));
    QTest::mouseDClick(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(110, 60));
    EXPECT_EQ(log_, (QStringList{"down 1 0 10,10", "up 1 0 10,10", "click", "dblclick", "up 1 0 10,10"}));
}

TEST_F(MouseLog, ARightDoubleClickIsTwoRightClicks) {
    PointAt(QPoint(110, 60));
    QTest::mouseDClick(Window(), Qt::RightButton, Qt::NoModifier, QPoint(110, 60));
    EXPECT_EQ(log_, (QStringList{"down 2 0 10,10", "up 2 0 10,10", "click", "down 2 0 10,10", "up 2 0 10,10",
                                 "click"}));
}

TEST_F(MouseLog, HoverMovesAreReportedWithoutButtons) {
    QTest::mouseMove(Window(), QPoint(120, 60));
    ASSERT_FALSE(log_.isEmpty());
    EXPECT_EQ(log_.last(), QStringLiteral("move 0 0 20,10"));
}

TEST_F(MouseLog, ADisabledPictureLeavesTheClickToTheBoard) {
    picture_->setEnabled(false);
    PointAt(QPoint(110, 60));
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(110, 60));
    EXPECT_EQ(log_, (QStringList{"form down 1 0 110,60", "form up 1 0 110,60", "form click"}));
}
