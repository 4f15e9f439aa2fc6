#pragma once
// The player file as the opponents setup keeps it open while its window is shown: the current
// player's record is read into PlayerRec when the setup starts, and every change the window
// stores is written back to that record at once.

#include "opponents/dialogs/OpponentDialogPorts.h"
#include "base/records/RecordFile.h"

namespace zarle {

class SetupSession {
  public:
    explicit SetupSession(OpponentDialogPorts& ports);

    OpponentDialogPorts& Ports() { return ports_; }
    GameState& Game() { return ports_.Game; }
    ProfileState& Profile() { return ports_.Profile(); }
    // PlayerRec as record PlayerRecNo; a failure is reported once.
    void WriteProfile();

  private:
    OpponentDialogPorts& ports_;
    RecordFile players_;
};

} // namespace zarle
