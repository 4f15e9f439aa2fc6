#include "BoardServices.h"

#include "dialogs/MsgBox.h"
#include "wait/Wait.h"

#include <QTime>

namespace zarle {

void BoardWaiter::Wait(float seconds) {
    zarle::Wait(seconds, WaitFlags::Watching(game_.StopWait, game_.NoDoEvents));
}

void BoardWaiter::DoEvents() {
    zarle::DoEvents();
}

int BoardMessageBox::MsgBox(std::string_view text, int style, std::string_view title) {
    return zarle::MsgBox(QString::fromStdString(std::string(text)), style,
                         QString::fromStdString(std::string(title)));
}

// The time of day to the millisecond, so that two quick starts deal apart.
ClockRandom::ClockRandom() : generator_(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay())) {}

float ClockRandom::Rnd() {
    // 24 random bits: every value is exactly representable and below 1.
    return static_cast<float>(generator_() >> 8) / 16777216.0f;
}

} // namespace zarle
