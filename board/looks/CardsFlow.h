#pragma once
// The card-back flow animation: the current card back tiled over the board, the two card rows or
// the draw stock, drifting slowly across frame after frame until something asks it to stop: a
// mouse press on the board or a vertical move of more than 10 pixels, a resize, a menu, a key or
// a new game (which is dealt once the animation has stopped). While it runs the card back lies
// in Data/~temp.bmp.

#include "board/BoardPresenter.h"
#include "engine/GameState.h"
#include "engine/ServicePorts.h"

#include <QImage>
#include <QObject>
#include <QPixmap>

#include <filesystem>
#include <functional>

namespace zarle {

class CardPictureBank;
class FrmZarle;

struct CardsFlowParts {
    GameState& Game;
    ProfileState& Profile;
    FrmZarle& Form;
    BoardPresenter& Board;
    CardPictureBank& Pictures;
    WaitPort& Waiter;
    MessageBoxPort& Box;
};

class CardsFlow : public QObject {
  public:
    explicit CardsFlow(CardsFlowParts parts);
    ~CardsFlow() override;
    CardsFlow(const CardsFlow&) = delete;
    CardsFlow& operator=(const CardsFlow&) = delete;

    // Variant 0 covers the whole board, 1 the two card rows, any other the draw stock. Returns
    // once the animation has stopped and the board is painted again; a call while one runs does
    // nothing.
    void AnimateCardsFlow(int variant);
    // Asks a running animation to stop at its next frame.
    void Stop() { s_.FlowStop = true; }
    // A mouse move over the board at this height (pixels): one that leaves the band of 10 pixels
    // above and below where the moves began stops the animation.
    void Form_MouseMove(int y);
    // Presses the Deal button, for a new game asked for while the animation ran.
    void SetDealButton(std::function<void()> press) { pressDeal_ = std::move(press); }

    std::filesystem::path TileFile() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QImage CurrentBack() const;
    QImage LoadTile(const QImage& saved);
    void RunFrames(int variant, const QImage& tile);
    void ShowFrame(int variant, const QImage& frame);
    void RepaintBoard(int variant);
    int CardRowHeight() const;

    GameState& s_;
    CardsFlowParts p_;
    std::function<void()> pressDeal_;
    QSize boardSize_;
    QPixmap boardPicture_; // what the board showed under its controls before the animation
    int moveStartY_ = 0;
};

} // namespace zarle
