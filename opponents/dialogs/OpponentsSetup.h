#pragma once
// The board window's "Opponents Setup": the player file is opened and the current player's record
// read, the setup window shown modally, and its outcome applied. An unchanged table only gets its
// name captions refreshed; a changed one is laid out anew and a new game started, or in a network
// game the table is renegotiated with the peers ("EG", seats and layout) until every peer has
// answered, the connection is lost, the network game ends or the program closes.

#include "opponents/dialogs/OpponentDialogPorts.h"

#include <functional>

namespace zarle {

class frmMulti;
class SetupSession;

class OpponentsSetup {
  public:
    explicit OpponentsSetup(OpponentDialogPorts ports) : ports_(std::move(ports)) {}

    void SetupOpponents();
    // The window a network game uses instead (the internet players setup); it answers whether it
    // was cancelled.
    void SetNetWindow(std::function<bool(SetupSession&)> window) { netWindow_ = std::move(window); }
    // The setup window while it is shown, else null.
    frmMulti* Window() const { return window_; }

  private:
    void ShowAvatarAndLevel();
    void ApplyNewTable();
    void RenegotiateTable();

    OpponentDialogPorts ports_;
    frmMulti* window_ = nullptr; // while it is shown
    std::function<bool(SetupSession&)> netWindow_;
};

} // namespace zarle
