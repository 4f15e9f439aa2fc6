#pragma once
// A copy of the default program folder for each test, and the program started on it in this
// process: sounds and message boxes recorded, waits instant, the welcome window answered by a
// typed name.

#include "board/GameWindow.h"
#include "tests/support/engine/HeldInput.h"
#include "base/records/ScoreRecord.h"

#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zarle::test {

class RecordingSound : public SoundPort {
  public:
    std::vector<std::string> Files;
    std::vector<SoundPlay> Ways; // how each of `Files` was played
    std::vector<int> Resources;  // the program's own sounds, by id
    void PlayResource(int id, SoundPlay) override { Resources.push_back(id); }
    void PlayFile(std::string_view path, SoundPlay how) override {
        Files.emplace_back(path);
        Ways.push_back(how);
    }
    void PlayCardSound(int) override {}
    // Files played whatever the sound level; they are in `Files` too.
    std::vector<std::string> AnyLevelFiles;
    void PlayFileAtAnyLevel(std::string_view path, SoundPlay how) override {
        AnyLevelFiles.emplace_back(path);
        PlayFile(path, how);
    }
};

// Returns at once; runs OnWait first, as the events during a wait would.
class InstantWaiter : public WaitPort {
  public:
    std::function<void()> OnWait;
    std::vector<float> Waits;
    // The player's keys and clicks, which the engine may hold.
    testing::HeldInput Player;
    void Wait(float seconds) override {
        Waits.push_back(seconds);
        if (OnWait) OnWait();
        Player.HandOn();
    }
    void DoEvents() override { Player.HandOn(); }
    void HoldInput() override { Player.Hold(); }
    void ReleaseInput() override { Player.Release(); }
};

struct BoxShown {
    std::string Text;
    int Style = 0;
    std::string Title;
};

// Answers OK, or the next of Answers while there are any.
class RecordingBox : public MessageBoxPort {
  public:
    std::vector<BoxShown> Shown;
    std::deque<int> Answers;
    int MsgBox(std::string_view text, int style, std::string_view title) override {
        Shown.push_back({std::string(text), style, std::string(title)});
        if (Answers.empty()) return AnswerOk;
        const int answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

// Every file under a folder with its bytes.
using FolderSnapshot = std::map<std::string, std::string>;

class ProgramFolderTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path Root() const { return root_; }
    std::filesystem::path File(const std::string& relative) const { return root_ / relative; }
    FolderSnapshot Snapshot() const;
    // Files under the folder whose names end with `ending`, in any case.
    std::vector<std::string> FilesEndingWith(const std::string& folder, const std::string& ending) const;
    ScoreRecord SettingsRecord(int n) const;
    void WriteSettingsRecord(int n, const ScoreRecord& rec);

    // A fresh game state and board window on the folder, started; the welcome window is answered
    // with `name` (nothing: it is left to the test).
    StartOutcome Start(const std::string& name = "Tester", const std::string& commandLine = "");
    // The running program's window closed as the player closes it.
    void Close();

    QString InstanceName() const { return instanceName_; }

    // Answers the welcome window with `name` whenever it shows next.
    void AnswerWelcomeWith(const std::string& name);

    RecordingSound Sound;
    InstantWaiter Waiter;
    RecordingBox Box;
    // File dialogs and the manual for the program; null: its own.
    FileDialogPort* Files = nullptr;
    HelpPort* Help = nullptr;
    std::unique_ptr<GameState> Game;
    std::unique_ptr<ProfileState> Profile;
    std::unique_ptr<GameWindow> Window;

  private:

    QTemporaryDir folder_;
    QTimer welcomeAnswer_;
    std::filesystem::path root_;
    QString instanceName_;
};

} // namespace zarle::test
