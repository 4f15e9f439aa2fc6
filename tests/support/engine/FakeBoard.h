#pragma once
// A board that records every operation the engine performs on it.

#include "engine/BoardPort.h"
#include "tests/support/engine/Transcript.h"

#include <functional>
#include <map>
#include <set>
#include <string>

namespace zarle::testing {

class FakeBoard : public BoardPort {
  public:
    explicit FakeBoard(Transcript& transcript) : t_(transcript) {}

    // Windows that IsFormLoaded reports as open.
    std::set<std::string> LoadedForms;
    // The last caption given to each control, by its transcript name ("Label9(1)").
    std::map<std::string, std::string> Captions;
    std::map<std::string, bool> Visible;

    void SetCaption(ControlId control, std::string_view text) override;
    void SetVisible(ControlId control, bool visible) override;
    void SetEnabled(ControlId control, bool enabled) override;
    void SetBackColor(ControlId control, uint32_t color) override;
    void SetToolTip(ControlId control, std::string_view text) override;
    void SetBorderStyle(ControlId control, int style) override;
    void SetFontSize(ControlId control, int points) override;
    int FontSize(ControlId control) override;
    void ClearPicture(ControlId control) override;
    void Refresh(ControlId control) override;
    void BringToFront(ControlId control) override;
    void MoveTo(ControlId control, int left, int top) override;
    void SetPanelText(int panel, std::string_view text) override;
    void SetPanelToolTip(int panel, std::string_view text) override;

    void ShowCard(Pics pics, int index, int card, int mode) override;
    void AnimateCard(Pics srcPics, int srcIndex, Pics dstPics, int dstIndex) override;
    void DealCardFlight(Pics pics, int slot, int card, int mode) override;

    void Redraw() override { t_.Add("Redraw"); }
    void RefreshBoard() override { t_.Add("RefreshBoard"); }
    void WildUpdate() override { t_.Add("WildUpdate"); }
    void EnablePic(Pics pics, bool enable, int first, int last) override;
    void LayoutValues() override { t_.Add("LayoutValues"); }
    void LayoutPlayer() override { t_.Add("LayoutPlayer"); }
    void GetImgHoldpic() override { t_.Add("GetImgHoldpic"); }
    void ScaleAvatar(std::string_view fileName) override { t_.Add("ScaleAvatar " + Quoted(fileName)); }
    void ShowFrames(bool visible) override { t_.Add(visible ? "ShowFrames True" : "ShowFrames False"); }
    void DebugShowDeck() override {
        t_.Add("DebugShowDeck");
        if (OnDebugShowDeck) OnDebugShowDeck();
    }
    // Runs when the developer's deck view is asked for: right after the shuffle of a deal.
    std::function<void()> OnDebugShowDeck;
    void CounterUpdate() override { t_.Add("CounterUpdate"); }
    bool IsFormLoaded(std::string_view formName) override;
    void UnloadForm(std::string_view formName) override;
    void UnloadBoard() override { t_.Add("UnloadBoard"); }
    void Flash(int winner) override { t_.Add("Flash " + std::to_string(winner)); }
    void AnimateCardsFlow(int variant) override { t_.Add("AnimateCardsFlow " + std::to_string(variant)); }

    // The transcript name of a control: "Label9(1)", "Command2".
    static std::string Name(ControlId control);

  private:
    Transcript& t_;
    std::map<std::string, int> fontSizes_;
};

} // namespace zarle::testing
