#include "platform/wait/Wait.h"

#include "platform/wait/UserInputGate.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace zarle {

namespace {

constexpr long long MsPerDay = 24LL * 60 * 60 * 1000;

// Without an application there are no events to run: just sleep, looking at the stop flag.
void SleepUntil(const QDeadlineTimer& deadline, const std::function<bool()>& stopped) {
    using namespace std::chrono_literals;
    while (!deadline.hasExpired() && !stopped())
        std::this_thread::sleep_for(
            std::min<std::chrono::nanoseconds>(10ms, deadline.remainingTimeAsDuration()));
}

} // namespace

WaitFlags WaitFlags::Watching(const bool& stopWait, const bool& noDoEvents) {
    return {[&stopWait] { return stopWait; }, [&noDoEvents] { return noDoEvents; }};
}

long long WaitSpanMs(double seconds, int msSinceMidnight) {
    const double wanted = std::ceil(std::min(seconds * 1000.0, double(MsPerDay)));
    return std::min(static_cast<long long>(wanted), MsPerDay - msSinceMidnight);
}

void Wait(double seconds, const WaitFlags& flags) {
    const auto stopped = [&flags] { return flags.stopWait && flags.stopWait(); };
    const auto inputOut = [&flags] { return flags.noDoEvents && flags.noDoEvents(); };
    if (!(seconds > 0) || stopped()) return;
    const QDeadlineTimer deadline(WaitSpanMs(seconds, QTime::currentTime().msecsSinceStartOfDay()),
                                  Qt::PreciseTimer);
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!QCoreApplication::instance() || !dispatcher) return SleepUntil(deadline, stopped);

    // Each pass runs one nested loop under one input rule; a change of the rule, the stop
    // flag or the deadline is noticed whenever the loop is about to sleep.
    while (!deadline.hasExpired() && !stopped()) {
        const bool keepInputOut = inputOut();
        UserInputGate::Scope gate(keepInputOut);
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(deadline.remainingTime()), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, [&] {
            if (deadline.hasExpired() || stopped() || inputOut() != keepInputOut) loop.quit();
        });
        loop.exec();
    }
}

void DoEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

} // namespace zarle
