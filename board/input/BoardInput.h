#pragma once
// The human's hands on the board: dragging his card pictures onto the piles, double-clicking
// them, the developer keys on them, right clicks on every pile for what lies hidden, the stock's
// counts, the Deal button and the status bar's opponent panel. The handlers decide with the
// plain hit test and listings beside them and hand every play over to the engine.

#include "board/BoardPresenter.h"
#include "board/input/DropTarget.h"
#include "engine/Engine.h"
#include "board/input/HoldInfo.h"
#include "platform/controls/ControlEvents.h"
#include "board/windows/frmHold.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

namespace zarle {

class CardPictureBank;
class FrmZarle;

struct BoardInputParts {
    GameState& Game;
    ProfileState& Profile;
    FrmZarle& Form;
    BoardPresenter& Board;
    CardPictureBank& Pictures;
    Engine& GameEngine;
    SoundPort& Sound;
    NetworkPort& Net;
};

// What the handlers keep between events.
struct InputState {
    int16_t Dragging = 0; // 1 while a card picture is dragged
    int16_t GrabX = 0;    // where in the picture the drag took hold of it
    int16_t GrabY = 0;
    // The last press on the side or a hold pile was the right button's: no double-click play.
    bool RightPressed = false;
    PileArray DropPiles = PileArray::None;
    int16_t InfoSlot = 0;       // the pile last listed: 0 stock, 1 side pile, 7..10 hold piles
    int16_t InfoOfOpponent = 0; // 1 when it was an opponent's
    int InfoPile = 0;
    std::vector<int16_t> InfoCards; // the ids listed, nearest the top first
    int16_t SavedFontSize = 0;
    int ShownOpponent = 0; // the opponent the status bar's name panel showed last
};

class BoardInput : public QObject {
  public:
    explicit BoardInput(BoardInputParts parts);
    ~BoardInput() override;
    BoardInput(const BoardInput&) = delete;
    BoardInput& operator=(const BoardInput&) = delete;

    InputState& State() { return st_; }
    // The hidden-cards window, or null until a pile was listed (and after it was unloaded).
    frmHold* HoldWindow() const { return hold_; }
    bool HoldWindowLoaded() const { return hold_ != nullptr; }
    void UnloadHoldWindow();

    // The human's card pictures.
    void Picture7_MouseDown(int index, int button, int shift, float x, float y);
    void Picture7_MouseMove(int index, int button, int shift, float x, float y);
    void Picture7_MouseUp(int index, int button, int shift, float x, float y);
    void Picture7_DblClick(int index);
    void Picture7_KeyDown(int index, int keyCode, int shift);
    // The opponents' pictures, the stock and the status bar.
    void OpponentPicture_MouseDown(int seat, int index, int button);
    void PicCenter_DblClick(int index);
    void PicCenter_MouseDown(int index, int button, int shift);
    void StatusBar1_PanelClick(int panel);
    void Command2_Click();
    // What the status bar's "Undo" panel runs during the human's turn after a play.
    void SetUndoPanel(std::function<void()> undo) { undoPanel_ = std::move(undo); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Wiring of the controls, which come and go with the layout.
    void AttachControls();
    void Attach(ControlId id, QWidget* widget);
    void AttachCardPicture(int index, QWidget* widget);
    void AttachOpponentPicture(int seat, int index, QWidget* widget);

    // Press steps.
    void HumanActed();
    void CloseMenuStrip();
    void RightPressInfo(int index, int shift);
    void StartDrag(int index, float x, float y);
    void ShowCardBeneathHoldTop(int slot);

    // Release steps.
    DropScene SceneNow() const;
    void DropOnOwnPile(int index, int target);
    // False when the card went home.
    bool DropOnCenter(int target);
    void SlideHome(int index);

    // Hidden cards and messages.
    void ShowHidden(const HoldListing& listing, int16_t ofOpponent);
    void ShowSideTip(const SeatRecord& rec, int seat);
    void Caption(int line, const std::string& text);
    bool GameOver() const { return s_.WorkSideCount == 0 || s_.SideCount == 0; }
    PilePlace PlaceOf(ControlId id) const;
    void MoveTo(ControlId id, int left, int top);

    GameState& s_;
    BoardInputParts p_;
    InputState st_;
    QPointer<frmHold> hold_;
    std::vector<QPointer<QWidget>> attached_;
    std::function<void()> undoPanel_;
};

} // namespace zarle
