#pragma once
// Ports that draw nothing, play nothing and never wait, so that whole games run at full speed.
// Message boxes answer Yes (a stalemate is reshuffled) and random numbers come from one seeded
// generator.

#include "engine/BoardPort.h"
#include "engine/IdleServices.h"
#include "opponents/OpponentsPorts.h"
#include "engine/SeededRandom.h"
#include "engine/ServicePorts.h"

#include <cstdint>
#include <functional>

namespace zarle::selfplay {

class NullBoard : public BoardPort {
  public:
    void SetCaption(ControlId, std::string_view) override {}
    void SetVisible(ControlId, bool) override {}
    void SetEnabled(ControlId, bool) override {}
    void SetBackColor(ControlId, uint32_t) override {}
    void SetToolTip(ControlId, std::string_view) override {}
    void SetBorderStyle(ControlId, int) override {}
    void SetFontSize(ControlId, int) override {}
    int FontSize(ControlId) override { return 10; }
    void ClearPicture(ControlId) override {}
    void Refresh(ControlId) override {}
    void BringToFront(ControlId) override {}
    void MoveTo(ControlId, int, int) override {}
    void SetPanelText(int, std::string_view) override {}
    void SetPanelToolTip(int, std::string_view) override {}
    void ShowCard(Pics, int, int, int) override {}
    void AnimateCard(Pics, int, Pics, int) override {}
    void DealCardFlight(Pics, int, int, int) override {}
    void Redraw() override {}
    void RefreshBoard() override {}
    void WildUpdate() override {}
    void EnablePic(Pics, bool, int, int) override {}
    void LayoutValues() override {}
    void LayoutPlayer() override {}
    void GetImgHoldpic() override {}
    void ScaleAvatar(std::string_view) override {}
    void ShowFrames(bool) override {}
    void DebugShowDeck() override {}
    void CounterUpdate() override {}
    bool IsFormLoaded(std::string_view) override { return false; }
    void UnloadForm(std::string_view) override {}
    void UnloadBoard() override {}
    void Flash(int) override {}
    void AnimateCardsFlow(int) override {}
};

class NullSound : public SoundPort {
  public:
    void PlayResource(int, SoundPlay) override {}
    void PlayFile(std::string_view, SoundPlay) override {}
    void PlayCardSound(int) override {}
};

class NullWaiter : public WaitPort {
  public:
    void Wait(float) override {}
    void DoEvents() override {}
};

class YesBox : public MessageBoxPort {
  public:
    int MsgBox(std::string_view, int style, std::string_view) override {
        return (style & 0xF) == MbYesNo ? AnswerYes : AnswerOk;
    }
};

// Tells the match runner when a computer seat's turn starts.
class WatchingWindow : public TurnWindowPort {
  public:
    std::function<void()> OnSeatTurn;
    void StatusBar_PlayerCounts(const SeatRecord&) override {
        if (OnSeatTurn) OnSeatTurn();
    }
    void MenuGame(int) override {}
    void Beep() override {}
    void SetPictureSize(ControlId, int, int) override {}
};

class NullTimer : public TimerPort {
  public:
    double Now() override { return 0; }
    void StartOneShot(double, std::function<void()>) override {}
    void StopOneShot() override {}
};

} // namespace zarle::selfplay
