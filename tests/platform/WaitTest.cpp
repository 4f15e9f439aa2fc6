#include "platform/wait/Wait.h"
#include "platform/wait/UserInputGate.h"
#include "platform/dialogs/MsgBox.h"

#include <QMessageBox>

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QWindow>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ctime>

using namespace zarle;

namespace {

// Generous upper bounds: a loaded test machine may be slow to wake us, never early.
constexpr qint64 LateMs = 1500;

qint64 TimedWait(double seconds, const WaitFlags& flags = {}) {
    QElapsedTimer clock;
    clock.start();
    Wait(seconds, flags);
    return clock.elapsed();
}

// Records the keys and clicks that reach it, in order.
class InputLog : public QWidget {
  public:
    QStringList seen;

  protected:
    void keyPressEvent(QKeyEvent* e) override { seen << QKeySequence(e->key()).toString(); }
    void mousePressEvent(QMouseEvent*) override { seen << "press"; }
    void mouseReleaseEvent(QMouseEvent*) override { seen << "release"; }
};

} // namespace

TEST(Wait, LastsItsTimeWhileEventsRun) {
    int fired = 0;
    QTimer::singleShot(20, [&] { ++fired; });
    const qint64 ms = TimedWait(0.2);
    EXPECT_GE(ms, 200);
    EXPECT_LT(ms, 200 + LateMs);
    EXPECT_EQ(fired, 1) << "a timer due during the wait runs in it";
}

TEST(Wait, ZeroNegativeAndNonsenseDurationsReturnAtOnce) {
    for (double seconds : {0.0, -1.0, std::nan("")}) EXPECT_LT(TimedWait(seconds), 50) << seconds;
}

TEST(Wait, StopFlagEndsTheWait) {
    bool stop = true;
    const bool noDoEvents = false;
    EXPECT_LT(TimedWait(5, WaitFlags::Watching(stop, noDoEvents)), 50) << "already set";

    stop = false;
    QTimer::singleShot(50, [&] { stop = true; });
    EXPECT_LT(TimedWait(5, WaitFlags::Watching(stop, noDoEvents)), LateMs)
        << "set by a handler during the wait";
}

TEST(Wait, StopFlagUnwindsNestedWaits) {
    bool stop = false;
    const bool noDoEvents = false;
    bool innerReturned = false;
    QTimer::singleShot(20, [&] {
        Wait(5, WaitFlags::Watching(stop, noDoEvents));
        innerReturned = true;
    });
    QTimer::singleShot(80, [&] { stop = true; });
    EXPECT_LT(TimedWait(5, WaitFlags::Watching(stop, noDoEvents)), LateMs);
    EXPECT_TRUE(innerReturned);
}

// A key or click made while a card flies is handled once the flag is clear, in the order made.
TEST(Wait, InputWaitsWhileNoDoEventsIsSetButTimersRun) {
    InputLog window;
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWindow* handle = window.windowHandle();
    const bool stop = false;
    bool noDoEvents = true;
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(10);
    QStringList seenWhileHeld{"none yet"};
    QTimer::singleShot(30, [&] {
        QTest::keyClick(handle, Qt::Key_A);
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::keyClick(handle, Qt::Key_B);
        seenWhileHeld = window.seen;
    });
    QTimer::singleShot(100, [&] { noDoEvents = false; });
    QTimer::singleShot(150, [&] { QTest::keyClick(handle, Qt::Key_C); });

    Wait(0.4, WaitFlags::Watching(stop, noDoEvents));

    EXPECT_EQ(seenWhileHeld, QStringList{}) << "nothing is handled while the card flies";
    EXPECT_EQ(window.seen, (QStringList{"A", "press", "release", "B", "C"}))
        << "once the flag is clear the held input comes, each once and in order, then the rest";
    EXPECT_GE(ticks, 5) << "timers keep running";

    QTest::keyClick(handle, Qt::Key_D);
    EXPECT_EQ(window.seen.size(), 6) << "after the wait input flows as ever";
}

// A hand being dealt holds input over many waits, some of which would let it in by themselves;
// it is handled after the last hold, also when the holds nest.
TEST(UserInputGate, HeldInputComesAfterTheLastHoldEnds) {
    InputLog window;
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWindow* handle = window.windowHandle();
    {
        UserInputGate::Scope deal(true);
        QTimer::singleShot(10, [&] { QTest::keyClick(handle, Qt::Key_1); });
        Wait(0.05);
        {
            UserInputGate::Hold();
            QTimer::singleShot(10, [&] { QTest::keyClick(handle, Qt::Key_2); });
            Wait(0.05);
            UserInputGate::Release();
        }
        Wait(0.05);
        EXPECT_EQ(window.seen, QStringList{});
    }
    EXPECT_EQ(window.seen, QStringList{}) << "handed on by the event loop, not inside the hold's end";
    QTest::keyClick(handle, Qt::Key_3);
    Wait(0.05);
    EXPECT_EQ(window.seen, (QStringList{"1", "2", "3"})) << "a later key comes behind the held ones";
}

TEST(Wait, AModalBoxOpenedDuringTheWaitCanStillBeAnswered) {
    bool stop = false;
    const bool noDoEvents = true;
    int answer = 0;
    QTimer::singleShot(20, [&] {
        const auto box = BuildMsgBox({QStringLiteral("Connection lost"), 4, {}});
        // Alt+Y once the box is the active window: the first window of a fresh process can take
        // longer to show than a fixed delay allows.
        QTimer press;
        QObject::connect(&press, &QTimer::timeout, box.get(), [&] {
            if (!box->isActiveWindow()) return;
            press.stop();
            QTest::keyClick(box.get(), Qt::Key_Y, Qt::AltModifier);
        });
        press.start(5);
        // Without input the box would never close; this ends the test instead of hanging it.
        QTimer::singleShot(3000, box.get(), [&] { box->done(0); });
        box->exec();
        answer = MsgBoxAnswer(*box);
        stop = true;
    });
    // Long enough for a busy machine to open the box inside it; the answer ends it.
    Wait(10.0, WaitFlags::Watching(stop, noDoEvents));
    EXPECT_EQ(answer, 6);
}

TEST(Wait, SleepsInsteadOfSpinning) {
    const std::clock_t before = std::clock();
    Wait(1.0);
    const double cpuSeconds = double(std::clock() - before) / CLOCKS_PER_SEC;
    EXPECT_LT(cpuSeconds, 0.3);
}

TEST(Wait, NeverRunsPastMidnight) {
    constexpr int MsPerDay = 86400000;
    struct Case {
        double seconds;
        int msSinceMidnight;
        long long span;
    };
    const std::array<Case, 6> cases{{
        {1.0, 0, 1000},
        {0.0005, 0, 1}, // the shortest wait still runs events once
        {0.7, 43200000, 700},
        {2.0, MsPerDay - 1000, 1000},
        {2.0, MsPerDay - 1, 1},
        {1e12, 0, MsPerDay},
    }};
    for (const Case& c : cases) EXPECT_EQ(WaitSpanMs(c.seconds, c.msSinceMidnight), c.span) << c.seconds;
}
