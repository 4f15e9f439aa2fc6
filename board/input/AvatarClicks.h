#pragma once
// The opponent's avatar beside the board: a click slaps the opponent (the slap picture over the
// avatar and the slap sound, whatever the sound level), a right click lets the player choose
// another picture, a Ctrl click puts the personality's own picture back. Moving the mouse well
// away from the click over the slap picture, or clicking it, takes the slap away again.

#include "board/BoardPresenter.h"
#include "engine/GameState.h"
#include "engine/ServicePorts.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace zarle {

class FrmZarle;

class AvatarClicks : public QObject {
  public:
    // `chooseAvatar` lets the player pick or import an avatar picture.
    AvatarClicks(GameState& game, FrmZarle& form, BoardPresenter& board, SoundPort& sound,
                 std::function<void()> chooseAvatar);
    ~AvatarClicks() override;
    AvatarClicks(const AvatarClicks&) = delete;
    AvatarClicks& operator=(const AvatarClicks&) = delete;

    // Where the last plain release on the avatar was, in the avatar's pixels.
    int16_t AvatarClickX = 0;
    int16_t AvatarClickY = 0;

    void ImgAvatar_MouseMove();
    void ImgAvatar_MouseUp(int button, int shift, float x, float y);
    void ImgAvatar_Click();
    // Also the chat's slap from a peer: the click point stays as it was.
    void AvatarSlap();
    void imgSlap_MouseMove(float x, float y);
    void imgSlap_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AttachControls();

    GameState& s_;
    FrmZarle& form_;
    BoardPresenter& board_;
    SoundPort& sound_;
    std::function<void()> chooseAvatar_;
    QPointer<QWidget> avatar_;
    QPointer<QWidget> slap_;
};

} // namespace zarle
