#include "board/BoardServices.h"

#include "platform/dialogs/MsgBox.h"
#include "platform/wait/UserInputGate.h"
#include "platform/wait/Wait.h"

#include <QApplication>
#include <QInputDialog>
#include <QTime>

namespace zarle {

void BoardWaiter::Wait(float seconds) {
    zarle::Wait(seconds, WaitFlags::Watching(game_.StopWait, game_.NoDoEvents));
}

void BoardWaiter::DoEvents() {
    zarle::DoEvents();
}

void BoardWaiter::HoldInput() {
    UserInputGate::Hold();
}

void BoardWaiter::ReleaseInput() {
    UserInputGate::Release();
}

int BoardMessageBox::MsgBox(std::string_view text, int style, std::string_view title) {
    return zarle::MsgBox(QString::fromStdString(std::string(text)), style,
                         QString::fromStdString(std::string(title)));
}

std::string BoardMessageBox::InputBox(std::string_view prompt, std::string_view title) {
    return QInputDialog::getText(QApplication::activeWindow(), QString::fromStdString(std::string(title)),
                                 QString::fromStdString(std::string(prompt)))
        .toStdString();
}

// The time of day to the millisecond, so that two quick starts deal apart.
uint32_t ClockSeed() {
    return static_cast<uint32_t>(QTime::currentTime().msecsSinceStartOfDay());
}

} // namespace zarle
