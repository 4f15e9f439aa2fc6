#pragma once
// The first answers a player waits for in a run of the program: from the Deal button to the
// board's first change on screen, and from a double-click on a card to its first step, each the
// first time and later. Every run is a process of its own, started on a copy of the program
// folder: "cold" on a fresh copy, "warm" on a copy an earlier run has used.

#include <QString>

namespace zarle::bench {

// The child's part: one run of the program on `folder`, its timings printed on one line.
int RunFirstAnswers(const QString& folder);

// The parent's part: `runs` runs cold and warm of the program folder `source`, medians printed;
// `self` is this program, started again for each run.
int BenchFirstAnswers(const QString& self, const QString& source, int runs);

} // namespace zarle::bench
