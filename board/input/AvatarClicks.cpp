#include "board/input/AvatarClicks.h"

#include "rendering/cards/CardArtPaths.h"
#include "board/FrmZarle.h"
#include "rendering/model/VbRound.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/VbControl.h"

#include <QCursor>
#include <QPixmap>

#include <cmath>
#include <filesystem>

namespace zarle {

namespace {

constexpr int CtrlHeld = 2;
constexpr float SlapReach = 100; // the slap stays while the mouse is this near the click point

ControlEvents* EventsOf(QWidget* widget) {
    if (auto* control = dynamic_cast<VbControl<QWidget>*>(widget)) return &control->Events();
    return nullptr;
}

void SetPointer(QWidget* widget, int which) {
    if (!widget) return;
    const QPixmap pointer(QString::fromStdString(art::AvatarPointer(which)));
    widget->setCursor(pointer.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(pointer, 0, 0));
}

std::string ProgramFile(const std::string& appPath, const char* relative) {
    return (std::filesystem::path(appPath) / relative).string();
}

} // namespace

AvatarClicks::AvatarClicks(GameState& game, FrmZarle& form, BoardPresenter& board, SoundPort& sound,
                           std::function<void()> chooseAvatar)
    : s_(game), form_(form), board_(board), sound_(sound), chooseAvatar_(std::move(chooseAvatar)) {
    form_.installEventFilter(this);
    AttachControls();
}

AvatarClicks::~AvatarClicks() {
    form_.removeEventFilter(this);
}

// The avatar and the slap picture come with the layout: each is wired once it is polished.
bool AvatarClicks::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::ChildPolished) AttachControls();
    return QObject::eventFilter(watched, event);
}

void AvatarClicks::AttachControls() {
    if (QWidget* w = form_.ControlWidget({Ctl::ImgAvatar}); w && w != avatar_)
        if (ControlEvents* events = EventsOf(w)) {
            avatar_ = w;
            connect(events, &ControlEvents::MouseMove, this, [this] { ImgAvatar_MouseMove(); });
            connect(events, &ControlEvents::MouseUp, this,
                    [this](MouseArgs a) { ImgAvatar_MouseUp(a.button, a.shift, a.x, a.y); });
            connect(events, &ControlEvents::Click, this, [this] { ImgAvatar_Click(); });
        }
    if (QWidget* w = form_.ControlWidget({Ctl::imgSlap}); w && w != slap_)
        if (ControlEvents* events = EventsOf(w)) {
            slap_ = w;
            connect(events, &ControlEvents::MouseMove, this,
                    [this](MouseArgs a) { imgSlap_MouseMove(a.x, a.y); });
            connect(events, &ControlEvents::Click, this, [this] { imgSlap_Click(); });
        }
}

void AvatarClicks::ImgAvatar_MouseMove() {
    if (!s_.NoDoEvents) SetPointer(avatar_, 0);
}

void AvatarClicks::ImgAvatar_MouseUp(int button, int shift, float x, float y) {
    if (button == RightButton) {
        if (chooseAvatar_) chooseAvatar_();
    } else if (shift == CtrlHeld) {
        board_.ScaleAvatar(s_.PersonalityPicture);
        board_.Profile().ImportedAvatar = s_.PersonalityPicture;
    } else if (!s_.NoDoEvents) {
        AvatarClickX = static_cast<int16_t>(VbRound(x));
        AvatarClickY = static_cast<int16_t>(VbRound(y));
    }
}

void AvatarClicks::ImgAvatar_Click() {
    AvatarSlap();
}

void AvatarClicks::AvatarSlap() {
    board_.SetVisible({Ctl::imgSlap}, true);
    board_.BringToFront({Ctl::imgSlap});
    sound_.PlayFileAtAnyLevel(ProgramFile(s_.AppPath, "Sounds/slap.wav"), SoundPlay::Async);
}

void AvatarClicks::imgSlap_MouseMove(float x, float y) {
    SetPointer(slap_, 1);
    if (std::abs(x - AvatarClickX) > SlapReach || std::abs(y - AvatarClickY) > SlapReach)
        board_.SetVisible({Ctl::imgSlap}, false);
}

void AvatarClicks::imgSlap_Click() {
    board_.SetVisible({Ctl::imgSlap}, false);
    sound_.PlayFileAtAnyLevel(ProgramFile(s_.AppPath, "Data/~118.tmp"), SoundPlay::Async);
}

} // namespace zarle
