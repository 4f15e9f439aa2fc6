#include "platform/forms/WindowDragger.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace zarle {

WindowDragger::WindowDragger(QWidget* window) : QObject(window), window_(window) {
    Attach(window);
}

void WindowDragger::Attach(QWidget* part) {
    if (part) part->installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            pressed_ = true;
            moving_ = false;
            pressAt_ = mouse->globalPosition().toPoint();
            grabOffset_ = pressAt_ - window_->frameGeometry().topLeft();
        }
        break;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!pressed_ || !(mouse->buttons() & Qt::LeftButton)) break;
        const QPoint now = mouse->globalPosition().toPoint();
        if (!moving_) {
            if ((now - pressAt_).manhattanLength() < QApplication::startDragDistance()) break;
            moving_ = true;
            // The window system takes over the whole move when it can.
            if (window_->windowHandle() && window_->windowHandle()->startSystemMove()) {
                pressed_ = false;
                break;
            }
        }
        window_->move(now - grabOffset_);
        break;
    }
    case QEvent::MouseButtonRelease: {
        const bool moved = moving_;
        pressed_ = false;
        moving_ = false;
        // The end of a move is no click on the part under the mouse.
        if (moved) return true;
        break;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zarle
