#pragma once
// Sounds, pauses, message boxes and random numbers as the engine uses them.

#include <string>
#include <string_view>

namespace zarle {

enum class SoundPlay { Async, ToEnd };

class SoundPort {
  public:
    virtual ~SoundPort() = default;
    // One of the program's own sounds (ids 105..123).
    virtual void PlayResource(int id, SoundPlay how) = 0;
    // A sound file by full path (personality sounds); a blank path plays nothing.
    virtual void PlayFile(std::string_view path, SoundPlay how) = 0;
    // Card sound 1..5 of the current skin's set, asynchronously, unless sounds are off.
    virtual void PlayCardSound(int effect) = 0;
    // A sound file that plays at every sound level, "No Sound" too (the slap on the avatar).
    // Recorders that do not tell levels apart may take it as any other file.
    virtual void PlayFileAtAnyLevel(std::string_view path, SoundPlay how) { PlayFile(path, how); }
};

class WaitPort {
  public:
    virtual ~WaitPort() = default;
    // Pauses while the window stays live; returns early when the program is closing.
    virtual void Wait(float seconds) = 0;
    // Lets pending window and socket events run once.
    virtual void DoEvents() = 0;
    // Holds the player's keys and clicks back until the matching ReleaseInput; they are handled,
    // in the order made, once no hold is left. Holds nest.
    virtual void HoldInput() {}
    virtual void ReleaseInput() {}
};

// Holds the player's input for its lifetime, when asked to.
class InputHold {
  public:
    InputHold(WaitPort& waiter, bool hold) : waiter_(hold ? &waiter : nullptr) {
        if (waiter_) waiter_->HoldInput();
    }
    ~InputHold() {
        if (waiter_) waiter_->ReleaseInput();
    }
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

  private:
    WaitPort* waiter_;
};

// Message box styles and answers.
inline constexpr int MbOkOnly = 0;
inline constexpr int MbYesNo = 4;
inline constexpr int MbExclamation = 48;
inline constexpr int MbInformation = 64;
inline constexpr int MbCritical = 16;
inline constexpr int AnswerOk = 1;
inline constexpr int AnswerCancel = 2;
inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;

class MessageBoxPort {
  public:
    virtual ~MessageBoxPort() = default;
    // Shows the box modally and returns the answer (1 OK, 2 Cancel, 6 Yes, 7 No).
    virtual int MsgBox(std::string_view text, int style, std::string_view title) = 0;
    // Asks for one line of text; empty when cancelled. Only developer mode asks.
    virtual std::string InputBox(std::string_view prompt, std::string_view title) {
        (void)prompt;
        (void)title;
        return {};
    }
};

class RandomPort {
  public:
    virtual ~RandomPort() = default;
    // The next number of the one generator, in [0, 1).
    virtual float Rnd() = 0;
};

} // namespace zarle
