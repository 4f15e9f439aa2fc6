#include "platform/forms/Class1.h"

#include <QEvent>
#include <QWidget>

namespace zarle {

namespace {

constexpr const char* StepDownName = "zarleStepDownForModal";

// Puts the window into the stay-on-top class or out of it; changing a window's flags hides it, so
// it is put back where it was.
void SetTopClass(QWidget& top, bool onTop) {
    if (top.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    const bool shown = top.isVisible();
    const QPoint at = top.pos();
    top.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (shown) {
        top.move(at);
        top.show();
    }
}

// A modal window that opens blocks the other windows: one kept on top steps down from the top
// class while it is blocked, so that the modal window comes to the front and can be answered.
class StepDownForModal : public QObject {
  public:
    explicit StepDownForModal(QWidget& window) : QObject(&window) {
        setObjectName(StepDownName);
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::WindowBlocked || type == QEvent::WindowUnblocked)
            SetTopClass(*static_cast<QWidget*>(watched), type == QEvent::WindowUnblocked);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void Class1::TopForm(QWidget& window) const {
    QWidget& top = *window.window();
    auto* stepDown = top.findChild<StepDownForModal*>(StepDownName, Qt::FindDirectChildrenOnly);
    if (onTop_ && !stepDown) new StepDownForModal(top);
    if (!onTop_) delete stepDown;
    SetTopClass(top, onTop_);
}

} // namespace zarle
