#pragma once
// Closing the board window ends the program: refused while a deal is being set up (and carried out
// once it is done), otherwise the shut-down sequence runs once, for a program that has started: waits
// stopped, temporary files deleted, the undo log closed and deleted, the settings records, window placement
// and profile saved, the private fonts removed and the other windows closed.

#include "board/startup/BoardParts.h"

#include <QTimer>

namespace zarle {

class ShutDown {
  public:
    explicit ShutDown(BoardParts parts);

    // The close request; false keeps the window open.
    bool Form_QueryUnload();
    // mode 0 also closes the board window.
    void ExitLeft(int mode);

  private:
    void SaveSettingsRecords();
    void CloseWhenIdle();

    BoardParts p_;
    bool exited_ = false;
    QTimer idleCheck_;
};

} // namespace zarle
