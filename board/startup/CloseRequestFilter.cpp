#include "board/startup/CloseRequestFilter.h"

#include <QEvent>
#include <QWidget>

namespace zarle {

CloseRequestFilter::CloseRequestFilter(QWidget& window, std::function<bool()> queryUnload)
    : window_(window), queryUnload_(std::move(queryUnload)) {
    window_.installEventFilter(this);
}

bool CloseRequestFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close && !queryUnload_()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zarle
