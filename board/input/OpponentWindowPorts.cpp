#include "board/input/OpponentWindowPorts.h"

#include "board/input/StatusPanels.h"

#include <QApplication>
#include <QTime>

#include <cmath>

namespace zarle {

OpponentWindowPorts::OpponentWindowPorts(GameState& game, BoardPresenter& board)
    : game_(game), board_(board) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The call may start the timer again.
        auto call = std::move(onTimeout_);
        onTimeout_ = nullptr;
        if (call) call();
    });
}

void OpponentWindowPorts::StatusBar_PlayerCounts(const SeatRecord& rec) {
    zarle::StatusBar_PlayerCounts(board_, game_, rec);
}

void OpponentWindowPorts::MenuGame(int index) {
    if (menuGame_) menuGame_(index);
}

void OpponentWindowPorts::Beep() {
    QApplication::beep();
}

void OpponentWindowPorts::SetPictureSize(ControlId control, int width, int height) {
    Control& c = board_.Model().Edit(control);
    c.Width = ToTwips(width);
    c.Height = ToTwips(height);
    board_.Present();
}

double OpponentWindowPorts::Now() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void OpponentWindowPorts::StartOneShot(double seconds, std::function<void()> onTimeout) {
    onTimeout_ = std::move(onTimeout);
    timer_.start(static_cast<int>(std::lround(std::max(seconds, 0.0) * 1000)));
}

void OpponentWindowPorts::StopOneShot() {
    timer_.stop();
    onTimeout_ = nullptr;
}

} // namespace zarle
