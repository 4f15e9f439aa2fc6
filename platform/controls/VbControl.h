#pragma once
// Gives a Qt widget the game's control events (see ControlEvents). Mouse events are
// reported after the widget's own handling, keys before it; neither reaches the parent.

#include "platform/controls/ControlEvents.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include <type_traits>
#include <utility>

namespace zarle {

template <class Base> class VbControl : public Base {
  public:
    template <class... Args>
    explicit VbControl(Args&&... args) : Base(std::forward<Args>(args)...), events_(Surface()) {
        // Moves are reported with no button held too, as the hover handlers expect.
        Surface()->setMouseTracking(true);
    }

    ControlEvents& Events() { return events_; }
    // The scale the mouse positions are reported in (pixels unless set).
    void SetScaleMode(ScaleUnit mode) { events_.SetScale(mode); }
    ScaleUnit GetScaleMode() const { return events_.Scale(); }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        Base::mousePressEvent(event);
        event->accept();
        // Some widgets treat the second press of a double-click as a press; it is not one.
        if (!inDoubleClick_) events_.Press(*event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        Base::mouseMoveEvent(event);
        event->accept();
        events_.Move(*event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        Base::mouseReleaseEvent(event);
        event->accept();
        events_.Release(*event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        inDoubleClick_ = true;
        Base::mouseDoubleClickEvent(event);
        inDoubleClick_ = false;
        event->accept();
        events_.DoubleClick(*event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        // A key handler may close and delete the window.
        const QPointer<QObject> alive(this);
        events_.KeyPressed(*event);
        if (alive) Base::keyPressEvent(event);
        event->accept();
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        const QPointer<QObject> alive(this);
        events_.KeyReleased(*event);
        if (alive) Base::keyReleaseEvent(event);
        event->accept();
    }

  private:
    QWidget* Surface() {
        if constexpr (std::is_base_of_v<QAbstractScrollArea, Base>)
            return this->viewport();
        else
            return this;
    }

    ControlEvents events_;
    bool inDoubleClick_ = false;
};

} // namespace zarle
