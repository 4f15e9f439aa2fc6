#pragma once
// The timed wait that paces every long sequence: it keeps the window live by running a
// nested event loop, sleeps between events instead of spinning, and ends early when the
// program is closing or the clock passes midnight.

#include <functional>

namespace zarle {

struct WaitFlags {
    // True when the wait must end now (the program is closing).
    std::function<bool()> stopWait;
    // True while mouse and keyboard input must wait (a computer seat's card is in flight): it
    // is held and handled once the flag is clear; paint, timers and sockets keep running.
    std::function<bool()> noDoEvents;

    // Flags read straight from two booleans that outlive the wait.
    static WaitFlags Watching(const bool& stopWait, const bool& noDoEvents);
};

// Pauses for `seconds` while events are dispatched. Zero, negative or not-a-number
// durations return at once, as does a wait whose stop flag is already set.
void Wait(double seconds, const WaitFlags& flags = {});

// Runs the events that are pending now, once.
void DoEvents();

// How long a wait of `seconds` may last when it starts `msSinceMidnight` into the day:
// it never runs past midnight.
long long WaitSpanMs(double seconds, int msSinceMidnight);

} // namespace zarle
