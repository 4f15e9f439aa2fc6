#pragma once
// Loading the board window starts the program: the command line, one running copy only, the
// splash, the start-up sequence (fonts, screen, data files, settings, the player's profile,
// sounds, window placement, lists and preferences), the board drawn and shown, the welcome and
// the greeting.

#include "platform/shell/InstanceLock.h"
#include "board/startup/BoardParts.h"
#include "board/windows/frmSplash.h"

#include <QString>

#include <exception>
#include <memory>
#include <optional>
#include <string>

namespace zarle {

struct StartOptions {
    std::string CommandLine;           // the arguments after the program's name, joined by blanks
    QString InstanceName = "ZarleNET"; // names the lock that keeps a second copy out
};

enum class StartOutcome {
    Running,        // the board is shown and the player named
    AlreadyRunning, // another copy runs: this one ends
    FilesMissing,   // the player or settings file is missing: the program ends, nothing written
    Failed,         // start-up broke off after a message
};

class StartUp {
  public:
    explicit StartUp(BoardParts parts) : p_(parts) {}

    StartOutcome Form_Load(const StartOptions& options);

  private:
    // False when the data files are missing.
    bool OpenDoor();
    void MeasureScreen();
    bool DataFilesPresent() const;
    void ReadDisplaySize();
    void RestoreWindowPlacement();
    void SmallScreenPanels();
    void OpenWindow();
    void KeepOnScreen();
    void Greet();
    void ReadTipsSetting();
    void ReportFault(const std::exception& fault);

    BoardParts p_;
    std::optional<InstanceLock> lock_;
    std::unique_ptr<frmSplash> splash_;
};

} // namespace zarle
