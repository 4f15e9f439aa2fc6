#pragma once
// Recording sounds, waits that return at once, message boxes answered from a script, and random
// numbers drawn from a script and then from a seeded generator.

#include "tests/support/engine/HeldInput.h"
#include "engine/ServicePorts.h"
#include "tests/support/engine/Transcript.h"

#include <deque>
#include <functional>
#include <random>

namespace zarle::testing {

class FakeSound : public SoundPort {
  public:
    explicit FakeSound(Transcript& transcript) : t_(transcript) {}
    void PlayResource(int id, SoundPlay how) override;
    void PlayFile(std::string_view path, SoundPlay how) override;
    void PlayCardSound(int effect) override { t_.Add("CardSound " + std::to_string(effect)); }

  private:
    Transcript& t_;
};

class FakeWaiter : public WaitPort {
  public:
    explicit FakeWaiter(Transcript& transcript) : t_(transcript) {}
    void Wait(float seconds) override;
    void DoEvents() override;
    void HoldInput() override { Player.Hold(); }
    void ReleaseInput() override { Player.Release(); }
    // Runs at every wait and event dispatch: what other handlers would do meanwhile.
    std::function<void()> OnEvents;
    // The player's keys and clicks, which the engine may hold.
    HeldInput Player;

  private:
    Transcript& t_;
};

class FakeMessageBox : public MessageBoxPort {
  public:
    explicit FakeMessageBox(Transcript& transcript) : t_(transcript) {}
    int MsgBox(std::string_view text, int style, std::string_view title) override;
    std::string InputBox(std::string_view prompt, std::string_view title) override;
    // Answers in order; when none is left a box is answered OK (Yes for a Yes/No box).
    std::deque<int> Answers;
    // What the input boxes are answered, in order; then nothing (as if cancelled).
    std::deque<std::string> Typed;
    // Runs while a box is open, as the events a modal box lets through; Open counts the boxes open.
    std::function<void()> WhileOpen;
    int Open = 0;

  private:
    Transcript& t_;
};

class FakeRandom : public RandomPort {
  public:
    explicit FakeRandom(unsigned seed = 1) : engine_(seed) {}
    float Rnd() override;
    // Numbers in [0, 1) to hand out first.
    std::deque<float> Script;
    int Draws = 0;

  private:
    std::mt19937 engine_;
};

} // namespace zarle::testing
