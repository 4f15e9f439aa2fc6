#include "platform/forms/OnScreen.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace zarle {

namespace {

// What a window manager's frame usually adds, until a framed window of ours tells.
constexpr QMargins UsualFrame(4, 30, 4, 4);
const char* const KeeperName = "OnScreenKeeper";
const char* const PlacesItself = "zarlePlacesItself";
// How often, and how many times, a shown window is looked at until it has its frame.
constexpr int FrameCheckMs = 25;
constexpr int FrameChecks = 80;

int Clamped(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, std::max(areaStart, areaStart + areaLength - length));
}

// The frame around a window: none for a borderless one, else what a framed window of ours shows.
QMargins FrameOf(const QWidget& window) {
    if (window.windowFlags() & Qt::FramelessWindowHint) return {};
    if (window.isVisible() && window.frameGeometry() != window.geometry())
        return {window.geometry().left() - window.frameGeometry().left(),
                window.geometry().top() - window.frameGeometry().top(),
                window.frameGeometry().right() - window.geometry().right(),
                window.frameGeometry().bottom() - window.geometry().bottom()};
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->isVisible() && !(other->windowFlags() & Qt::FramelessWindowHint) &&
            other->frameGeometry() != other->geometry())
            return FrameOf(*other);
    return UsualFrame;
}

bool Placed(const QWidget& window) {
    const Qt::WindowType type = window.windowType();
    return window.isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop &&
           !window.property(PlacesItself).toBool();
}

// The window a new window opens over: the one it belongs to, or the one in use.
const QWidget* OwnerOf(const QWidget& window) {
    if (const QWidget* parent = window.parentWidget()) return parent->window();
    const QWidget* active = QApplication::activeWindow();
    return active != &window ? active : nullptr;
}

void StepAside(const QWidget& waiting, const QRect& waitingFrame, const QRect& area) {
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other == &waiting || !other->isVisible() || !(other->windowFlags() & Qt::WindowStaysOnTopHint))
            continue;
        const QRect frame = other->frameGeometry();
        if (!frame.intersects(waitingFrame)) continue;
        const QRect beside = FrameBeside(frame, waitingFrame, area);
        if (!beside.isEmpty()) other->move(beside.topLeft());
    }
}

bool FrameKnown(const QWidget& window) {
    return (window.windowFlags() & Qt::FramelessWindowHint) || window.frameGeometry() != window.geometry();
}

// Once the window manager has framed the window, the real frame is put inside the area; a
// window placed before its frame was known can have its title bar off the screen.
void CheckFramed(QPointer<QWidget> window, int triesLeft) {
    if (!window || !window->isVisible()) return;
    if (!FrameKnown(*window)) {
        if (triesLeft > 0)
            QTimer::singleShot(FrameCheckMs, window,
                               [window, triesLeft] { CheckFramed(window, triesLeft - 1); });
        return;
    }
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (!area.contains(frame)) window->move(FrameInside(frame, area).topLeft());
    if (window->isModal()) StepAside(*window, window->frameGeometry(), area);
}

void Place(QWidget& window) {
    const QWidget* owner = OwnerOf(window);
    const QScreen* screen = owner && owner->screen() ? owner->screen() : window.screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins margins = FrameOf(window);
    QRect frame = window.geometry().marginsAdded(margins);
    if (!window.testAttribute(Qt::WA_Moved))
        frame.moveCenter(owner && owner->isVisible() ? owner->frameGeometry().center() : area.center());
    const QRect inside = FrameInside(frame, area);
    if (inside.size() != frame.size()) window.resize(inside.marginsRemoved(margins).size());
    window.move(inside.topLeft());
    if (window.isModal()) StepAside(window, QRect(inside.topLeft(), window.size().grownBy(margins)), area);
    CheckFramed(&window, FrameChecks);
}

class OnScreenKeeper final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto& window = *static_cast<QWidget*>(watched);
            if (Placed(window)) Place(window);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QRect FrameInside(const QRect& frame, const QRect& area) {
    const QSize size = frame.size().boundedTo(area.size());
    return {Clamped(frame.left(), size.width(), area.left(), area.width()),
            Clamped(frame.top(), size.height(), area.top(), area.height()), size.width(), size.height()};
}

QRect FrameBeside(const QRect& frame, const QRect& other, const QRect& area) {
    const int y = Clamped(frame.top(), frame.height(), area.top(), area.height());
    const int x = Clamped(frame.left(), frame.width(), area.left(), area.width());
    const QRect candidates[] = {
        {other.right() + 1, y, frame.width(), frame.height()},
        {other.left() - frame.width(), y, frame.width(), frame.height()},
        {x, other.bottom() + 1, frame.width(), frame.height()},
        {x, other.top() - frame.height(), frame.width(), frame.height()},
    };
    std::optional<QRect> nearest;
    for (const QRect& place : candidates) {
        if (!area.contains(place) || place.intersects(other)) continue;
        const auto distance = [&](const QRect& r) {
            return (r.topLeft() - frame.topLeft()).manhattanLength();
        };
        if (!nearest || distance(place) < distance(*nearest)) nearest = place;
    }
    return nearest.value_or(QRect());
}

void LeaveToItself(QWidget& window) {
    window.setProperty(PlacesItself, true);
}

void KeepWindowsOnScreen(QApplication& app) {
    if (app.findChild<QObject*>(KeeperName, Qt::FindDirectChildrenOnly)) return;
    auto* keeper = new OnScreenKeeper(&app);
    keeper->setObjectName(KeeperName);
    app.installEventFilter(keeper);
}

} // namespace zarle
