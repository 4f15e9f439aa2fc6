#pragma once
// A real board window, offscreen, on a fresh program folder: laid out as start-up leaves it for a
// player count and display size, with sounds, waits and message boxes recorded instead of played,
// waited and shown.

#include "board/GameWindow.h"

#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace zarle::test {

class RecordingSound : public SoundPort {
  public:
    std::vector<int> CardEffects;
    void PlayResource(int, SoundPlay) override {}
    void PlayFile(std::string_view, SoundPlay) override {}
    void PlayCardSound(int effect) override { CardEffects.push_back(effect); }
};

// Returns at once; runs OnWait first, as the events between flight steps would.
class InstantWaiter : public WaitPort {
  public:
    std::vector<float> Waits;
    std::function<void()> OnWait;
    void Wait(float seconds) override {
        Waits.push_back(seconds);
        if (OnWait) OnWait();
    }
    void DoEvents() override {}
};

class RecordingBox : public MessageBoxPort {
  public:
    std::vector<std::string> Texts;
    int MsgBox(std::string_view text, int, std::string_view) override {
        Texts.emplace_back(text);
        return AnswerOk;
    }
};

struct TableSetting {
    int Players = 2;
    int Centers = 3;
    int DisplaySize = 0;
    int32_t ScreenTwips = 12000;
};

class BoardTable {
  public:
    explicit BoardTable(TableSetting setting = {});

    QTemporaryDir Folder;
    GameState Game;
    ProfileState Profile;
    RecordingSound Sound;
    InstantWaiter Waiter;
    RecordingBox Box;
    std::unique_ptr<GameWindow> Window;

    BoardPresenter& Board() { return Window->Board(); }
    const Control& Model(ControlId id) { return Board().Model().Get(id); }
    // The widget of a control; null when it is not loaded.
    QWidget* Widget(ControlId id);
    // Where the control's card lies on the window: a pile's border lies around it.
    QPoint CardPlace(ControlId id);
};

} // namespace zarle::test
