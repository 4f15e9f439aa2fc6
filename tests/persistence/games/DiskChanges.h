#pragma once
// Every change this test program makes to the disk (a positioned write, a cut, a rename, a
// deletion) goes through here, so that a test can stop the process before its n-th change, as a
// kill would, or make the disk full.

namespace zarle::testing {

// The exit status of a process stopped before a change.
inline constexpr int KilledStatus = 77;

// Changes left before the process stops; negative: no limit.
extern int ChangesLeft;
// While set, a write that would make a file longer fails for want of room, as on a full disk.
extern bool DiskFull;

} // namespace zarle::testing
