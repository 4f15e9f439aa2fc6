#pragma once
// The board window's logic: the control model and its layout, kept on the real window's widgets;
// cards drawn on the piles, card flights, the table's look, and everything the engine asks of
// the board. Every change goes into the model first and reaches the widgets from there.

#include "rendering/layout/BoardLayout.h"
#include "rendering/model/BoardModel.h"
#include "engine/BoardPort.h"
#include "board/BoardSurface.h"
#include "engine/GameState.h"
#include "rendering/layout/LayoutHost.h"
#include "board/ModelBinding.h"
#include "base/records/ProfileState.h"
#include "engine/ServicePorts.h"
#include "rendering/cards/ShowCardChoice.h"
#include "board/looks/TablePicture.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zarle {

class CardPictureBank;
class WinnerFlash;
struct FlightPoint;

struct BoardServices {
    SoundPort& Sound;
    WaitPort& Waiter;
    MessageBoxPort& Box;
};

class BoardPresenter : public BoardPort, public LayoutHost, private SurfaceEvents {
  public:
    BoardPresenter(GameState& game, ProfileState& profile, CardPictureBank& pictures, BoardSurface& surface,
                   BoardServices services);
    ~BoardPresenter() override;
    BoardPresenter(const BoardPresenter&) = delete;
    BoardPresenter& operator=(const BoardPresenter&) = delete;

    BoardModel& Model() { return model_; }
    ProfileState& Profile() { return profile_; }
    // The winner's animation that Flash plays.
    WinnerFlash& WinnerAnimation() { return *flash_; }
    BoardLayout& Layout() { return layout_; }

    // The screen runs at other than 96 dots per inch (start-up measures it).
    void SetLargeFonts(bool largeFonts) { largeFonts_ = largeFonts; }
    // The rules and level captions are the engine's; the layout asks for them now and then.
    void SetRulesRefresh(std::function<void()> refresh) { rulesRefresh_ = std::move(refresh); }
    // The small windows beside the board (the hidden-cards window, ...), by form name.
    void SetSmallWindows(std::function<bool(std::string_view)> isLoaded,
                         std::function<void(std::string_view)> unload) {
        smallWindowLoaded_ = std::move(isLoaded);
        unloadSmallWindow_ = std::move(unload);
    }
    // The card counter's refresh and the developer's deck view, which live in windows of their own.
    void SetCardWindows(std::function<void()> counterUpdate, std::function<void()> showDeck) {
        counterUpdate_ = std::move(counterUpdate);
        showDeck_ = std::move(showDeck);
    }

    // The clock card flights are timed by, in seconds. Tests put in one that stands still, so
    // that only the waits move a flight on.
    using FlightClock = std::function<double()>;
    void SetFlightClock(FlightClock clock) { flightClock_ = std::move(clock); }

    // The card-back flow animation runs on the window (it returns when it has stopped).
    void SetCardsFlow(std::function<void(int)> flow) { cardsFlow_ = std::move(flow); }

    // Card pictures and the table's look, as a player's profile applies them.
    void LoadCardSkin();
    void SaveCardBitmaps();
    void SetCardSizePics();
    // The whole sequence of a profile: empty-pile pictures and menu strip of the skin, the face
    // style, the back design, then the table look (not during a network game).
    void ApplyCardLook();

    // Puts what changed in the model on the widgets now.
    void Present();
    // Gets every card picture a deal and a play can show in the current look ready for the screen,
    // so that the first of them shows as fast as any later one.
    void PrepareCardPictures();

    // Control properties.
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

    // Cards.
    void ShowCard(Pics pics, int index, int card, int mode) override;
    void RefreshPileBorders(Pics pics) override;
    void ApplyTableLook() override;
    void AnimateCard(Pics srcPics, int srcIndex, Pics dstPics, int dstIndex) override;
    void DealCardFlight(Pics pics, int slot, int card, int mode) override;

    // Whole-board operations.
    void Redraw() override;
    void RefreshBoard() override;
    void WildUpdate() override;
    void EnablePic(Pics pics, bool enable, int first, int last) override;
    void LayoutValues() override;
    void LayoutPlayer() override;
    void GetImgHoldpic() override;
    void ScaleAvatar(std::string_view fileName) override;
    void ShowFrames(bool visible) override;
    void DebugShowDeck() override;
    void CounterUpdate() override;
    bool IsFormLoaded(std::string_view formName) override;
    void UnloadForm(std::string_view formName) override;
    void UnloadBoard() override;
    void Flash(int winner) override;
    void AnimateCardsFlow(int variant) override;

    // What else the layout asks of the window.
    std::optional<PictureSize> PictureFileSize(const std::string& path) override;
    void ClearPaintedBoard() override;
    void BackgroundPaint() override;
    void RulesRefresh() override;
    void CloseDropDownMenu() override;
    void ChatFollowsBoard(WindowState state) override;

  private:
    // Changes made inside one call reach the widgets together when the outermost call ends.
    class Batch {
      public:
        explicit Batch(BoardPresenter& p) : p_(p) { ++p_.batchDepth_; }
        ~Batch() {
            if (--p_.batchDepth_ == 0) p_.Present();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        BoardPresenter& p_;
    };

    void SurfaceResized(const SurfaceFrame& frame) override;
    void SurfaceMoved(const SurfaceFrame& frame) override;

    static FlightClock RealFlightClock();
    double FramesPerSecond() const;
    // Draws the flight of `source` from `start` along `path`, a frame at a time.
    void Fly(ControlId source, FlightPoint start, const std::vector<FlightPoint>& path);

    CardLook Look() const;
    const SlotRow* SlotsOf(Pics pics) const;
    // ShowCard's drawing; what it chose, or nothing when there was nothing to draw on.
    std::optional<CardShown> DrawCard(Pics pics, int index, int card, int mode);
    void ReportCardProblem(Pics pics, int index, int card, int sheetCard, int error, const std::string& what);
    void PicturesChanged();
    void ShowFixedPicture(Ctl image, const std::string& key);

    GameState& game_;
    ProfileState& profile_;
    CardPictureBank& pictures_;
    BoardSurface& surface_;
    BoardServices services_;
    BoardModel model_;
    BoardLayout layout_;
    ModelBinding binding_;
    std::function<void()> rulesRefresh_;
    std::function<bool(std::string_view)> smallWindowLoaded_;
    std::function<void(std::string_view)> unloadSmallWindow_;
    std::function<void(int)> cardsFlow_;
    FlightClock flightClock_ = RealFlightClock();
    TablePicture tablePicture_;
    std::function<void()> counterUpdate_;
    std::function<void()> showDeck_;
    bool largeFonts_ = false;
    int batchDepth_ = 0;
    bool presenting_ = false;
    bool presentAgain_ = false;
    std::vector<ControlId> refreshes_; // painted when the changes reach the widgets
    std::unique_ptr<WinnerFlash> flash_;
};

} // namespace zarle
