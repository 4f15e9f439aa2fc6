#pragma once
// What the opponents' windows reach outside themselves: the game state, the player profiles with
// their ports (board view, engine calls, sounds, pauses, message boxes), the file dialogs, the
// manual, the network and the board window's game commands.

#include "engine/GameState.h"
#include "engine/NeighbourPorts.h"
#include "persistence/profiles/Profiles.h"
#include "platform/help/HelpPort.h"

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace zarle {

class FileDialogPort {
  public:
    virtual ~FileDialogPort() = default;
    // The full path of an existing file the user picked; nothing when cancelled.
    virtual std::optional<std::string> ShowOpen(const FileDialogRequest& request) = 0;
    // The full path the user chose to save under, starting from `fileName` in the request's
    // folder (an existing file is confirmed first); nothing when cancelled.
    virtual std::optional<std::string> ShowSave(const FileDialogRequest& request,
                                                const std::string& fileName) = 0;
};

struct OpponentDialogPorts {
    GameState& Game;
    Profiles& Players;
    FileDialogPort& Files;
    HelpPort& Help;
    NetworkPort& Net;
    // The engine's new game, and the board window's Game menu by entry (0 New).
    std::function<void()> GameNew;
    std::function<void(int)> MenuGame;
    // The window the dialogs open over; may be null.
    QWidget* Board = nullptr;

    ProfilePorts& Ports() const { return Players.Ports(); }
    ProfileState& Profile() const { return Players.Profile(); }
};

} // namespace zarle
