// The board window under openbox: placed by its frame, so the title bar is on screen, and the
// same window again after an exit and a new start; never smaller than the board it shows.

#include "tests/support/board/ProgramFolderFixture.h"
#include "tests/board/windowmanager/VirtualScreen.h"

#include "board/FrmZarle.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

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

// A new board of another size fits the window to it where the player put the window.
TEST_F(UnderWindowManager, ANewBoardSizesTheWindowWhereThePlayerPutIt) {
    ASSERT_EQ(Start(), StartOutcome::Running);
    const QRect two = Framed();
    Board().move(250, 180);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Board().frameGeometry().topLeft() == QPoint(250, 180); }, 3000));
    Framed();
    const auto relayout = [&](int players) {
        const int before = Game->NumPlayers;
        const int centers = Game->NumCenters;
        Game->NumPlayers = static_cast<int16_t>(players);
        Game->NumCenters = static_cast<int16_t>(players > 2 ? 4 : 3);
        Window->Board().Layout().ChangeLayout(before, centers);
        Window->Board().Present();
        QTest::qWait(300);
        return Framed();
    };
    const QRect three = relayout(3);
    EXPECT_EQ(three.topLeft(), QPoint(250, 180));
    EXPECT_NE(three.size(), two.size());
    const QRect back = relayout(2);
    EXPECT_EQ(back.topLeft(), QPoint(250, 180));
    EXPECT_EQ(back.size(), two.size());
}

// Every window the program opens lies wholly inside the screen's available area, title bar
// included, whether the board stands at the screen's top left corner or leaves too little room
// above and below it: the manual, the deck view as large as the board, the card counter and the
// tip of the day.
TEST_F(UnderWindowManager, EveryWindowOpensInsideTheScreen) {
    ASSERT_EQ(Start(), StartOutcome::Running);
    Framed();
    const QRect screen = Board().screen()->availableGeometry();
    const auto expectInside = [&](const char* name, const std::function<QWidget*()>& open) {
        QWidget* w = open();
        ASSERT_NE(w, nullptr) << name;
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return w->isVisible() && w->frameGeometry() != w->geometry(); }, 5000))
            << name << " has no frame";
        QTest::qWait(500);
        const QRect frame = w->frameGeometry();
        EXPECT_TRUE(screen.contains(frame)) << name << " at " << frame.x() << "," << frame.y() << " "
                                            << frame.width() << "x" << frame.height();
        w->close();
    };
    const auto shown = [](const char* objectName) -> QWidget* {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() == QLatin1String(objectName)) return w;
        return nullptr;
    };
    for (const QPoint board : {screen.topLeft(), screen.topLeft() + QPoint(200, 300)}) {
        SCOPED_TRACE(::testing::Message() << "the board at " << board.x() << "," << board.y());
        Board().move(board);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Board().frameGeometry().topLeft() == board; }, 3000));
        expectInside("the manual", [&] {
            Window->Help().ShowHelp("");
            return shown("frmHelp");
        });
        expectInside("the deck view", [&] {
            Window->Windows().DebugShowDeck();
            return static_cast<QWidget*>(Window->Windows().LastDeckView());
        });
        expectInside("the card counter", [&] {
            Window->Windows().ShowCounter();
            return shown("frmCounter");
        });
        expectInside("the tip of the day", [&] {
            Window->Windows().ShowTip();
            return shown("frmTip");
        });
    }
}

// The card counter steps aside from a window that is shown over it and waits for an answer, such as
// the scores: it no longer covers the scores' last columns.
TEST_F(UnderWindowManager, TheCardCounterStepsAsideFromTheScores) {
    ASSERT_EQ(Start(), StartOutcome::Running);
    Framed();
    Window->Windows().ShowCounter();
    QWidget* counter = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String("frmCounter")) counter = w;
    ASSERT_NE(counter, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter->frameGeometry() != counter->geometry(); }, 5000));
    QRect scores, counterAtScores;
    QTimer::singleShot(1500, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        scores = dialog->frameGeometry();
        counterAtScores = counter->frameGeometry();
        dialog->close();
    });
    Window->ShowScoreboard(0);
    ASSERT_FALSE(scores.isEmpty()) << "the scores did not show";
    EXPECT_FALSE(scores.intersects(counterAtScores));
    EXPECT_TRUE(Board().screen()->availableGeometry().contains(counterAtScores));
}

} // namespace
} // namespace zarle::test
