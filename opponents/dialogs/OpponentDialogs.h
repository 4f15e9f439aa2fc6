#pragma once
// The opponents' windows as the board window's menus open them: the opponents setup (modal, with
// its outcome applied), the speed dialog (modal) and the comment-set editor (one at a time, open
// beside the board).

#include "opponents/dialogs/OpponentsSetup.h"

#include <QPointer>

namespace zarle {

class frmCustom;

class OpponentDialogs {
  public:
    explicit OpponentDialogs(OpponentDialogPorts ports) : ports_(ports), setup_(ports) {}
    ~OpponentDialogs();
    OpponentDialogs(const OpponentDialogs&) = delete;
    OpponentDialogs& operator=(const OpponentDialogs&) = delete;

    // Game menu "Opponents Setup" (and, until the internet setup exists, the Internet menu's).
    void SetupOpponents() { setup_.SetupOpponents(); }
    // Options menu "Speed".
    void ShowSpeed();
    // Options menu "Customize Comments": opens the editor, or brings the open one forward.
    void ShowCustomComments();

    OpponentsSetup& Setup() { return setup_; }
    // The comment-set editor while it is open, else null.
    frmCustom* CustomComments() const;

  private:
    OpponentDialogPorts ports_;
    OpponentsSetup setup_;
    QPointer<frmCustom> custom_;
};

} // namespace zarle
