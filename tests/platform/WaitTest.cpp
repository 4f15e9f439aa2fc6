#include "wait/Wait.h"
#include "dialogs/MsgBox.h"

#include <QMessageBox>

#include <QElapsedTimer>
#include <QKeyEvent>
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

class KeyCounter : public QWidget {
  public:
    int keys = 0;

  protected:
    void keyPressEvent(QKeyEvent*) override { ++keys; }
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

TEST(Wait, InputStaysOutWhileNoDoEventsIsSetButTimersRun) {
    KeyCounter window;
    window.show();
    const bool stop = false;
    bool noDoEvents = true;
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(10);
    int keysWhileHeld = -1;
    QTimer::singleShot(30, [&] {
        QTest::keyClick(&window, Qt::Key_A);
        keysWhileHeld = window.keys;
    });
    QTimer::singleShot(100, [&] { noDoEvents = false; });
    QTimer::singleShot(150, [&] { QTest::keyClick(&window, Qt::Key_B); });

    Wait(0.4, WaitFlags::Watching(stop, noDoEvents));

    EXPECT_EQ(keysWhileHeld, 0) << "a key pressed while a card flies is skipped";
    EXPECT_EQ(window.keys, 1) << "once the flag is clear, keys reach the window again";
    EXPECT_GE(ticks, 5) << "timers keep running";

    QTest::keyClick(&window, Qt::Key_C);
    EXPECT_EQ(window.keys, 2) << "after the wait input flows as ever";
}

TEST(Wait, AModalBoxOpenedDuringTheWaitCanStillBeAnswered) {
    const bool stop = false;
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
    });
    Wait(0.1, WaitFlags::Watching(stop, noDoEvents));
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
