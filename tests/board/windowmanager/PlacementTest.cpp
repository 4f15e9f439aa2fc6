// The board window under openbox: placed by its frame, so the title bar is on screen, and the
// same window again after an exit and a new start; never smaller than the board it shows.

#include "ProgramFolderFixture.h"
#include "VirtualScreen.h"

#include "FrmZarle.h"

#include <QApplication>
#include <QTest>

namespace zarle::test {
namespace {

// The screen and its window manager start before the application, which then opens on them.
class ScreenAndApp : public ::testing::Environment {
  public:
    void SetUp() override {
        screen_ = new VirtualScreen;
        if (screen_->Failure().isEmpty()) {
            qputenv("QT_QPA_PLATFORM", "xcb");
            qputenv("DISPLAY", screen_->Display().toLocal8Bit());
        }
        app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override {
        delete app_;
        delete screen_;
    }
    static const VirtualScreen& Screen() { return *screen_; }

  private:
    int argc_ = 1;
    char name_[24] = "window_manager_tests";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
    static inline VirtualScreen* screen_ = nullptr;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new ScreenAndApp);

class UnderWindowManager : public ProgramFolderTest {
  protected:
    void SetUp() override {
        if (!ScreenAndApp::Screen().Failure().isEmpty())
            GTEST_SKIP() << "No virtual screen with a window manager: "
                         << ScreenAndApp::Screen().Failure().toStdString();
        ProgramFolderTest::SetUp();
    }

    QWidget& Board() { return Window->Window(); }

    // The window's frame once the window manager has put one around it and left it in place.
    QRect Framed() {
        QWidget& w = Board();
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.isVisible() && w.frameGeometry() != w.geometry(); }, 5000))
            << "the window manager put no frame around the window";
        for (int settle = 0; settle < 10; ++settle) {
            const QRect seen = w.frameGeometry();
            QTest::qWait(150);
            if (seen == w.frameGeometry()) break;
        }
        return w.frameGeometry();
    }
};

TEST_F(UnderWindowManager, TheTitleBarIsOnScreenAndARestartGivesTheSameWindow) {
    ASSERT_EQ(Start(), StartOutcome::Running);
    const QRect first = Framed();
    EXPECT_GE(first.left(), 0);
    EXPECT_GE(first.top(), 0);
    EXPECT_GT(Board().geometry().top(), first.top()) << "a title bar above the board";
    Close();

    ASSERT_EQ(Start(), StartOutcome::Running);
    EXPECT_EQ(Framed(), first);

    // Where the player put it, it comes back.
    Board().move(90, 70);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Board().frameGeometry().topLeft() == QPoint(90, 70); }, 3000));
    const QRect moved = Framed();
    Close();
    ASSERT_EQ(Start(), StartOutcome::Running);
    EXPECT_EQ(Framed(), moved);
}

TEST_F(UnderWindowManager, TheWindowIsNeverSmallerThanItsBoard) {
    ASSERT_EQ(Start(), StartOutcome::Running);
    Framed();
    auto& frm = static_cast<FrmZarle&>(Window->Surface());
    const auto bottomRight = [&](ControlId id) {
        const QWidget* w = frm.ControlWidget(id);
        return w ? w->mapTo(&Board(), QPoint(w->width(), w->height())) : QPoint();
    };
    const QWidget* status = frm.ControlWidget({Ctl::StatusBar1});
    ASSERT_NE(status, nullptr);

    Board().resize(200, 150);
    QTest::qWait(300);
    const QWidget* avatar = frm.ControlWidget({Ctl::ImgAvatar});
    ASSERT_NE(avatar, nullptr);
    EXPECT_GE(Board().width(), bottomRight({Ctl::Picture7, 10}).x() + avatar->width())
        << "the avatar beside the hold piles, not over them";
    EXPECT_GE(Board().height(), bottomRight({Ctl::Picture7, 2}).y() + status->height())
        << "the status bar stays below the hand";
}

} // namespace
} // namespace zarle::test
