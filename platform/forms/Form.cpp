#include "platform/forms/Form.h"

#include "platform/forms/WindowDragger.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QWindow>

namespace zarle {

Form::Form(QWidget* parent) : VbControl<QWidget>(parent, Qt::Window) {
    setAutoFillBackground(true);
}

Form::~Form() = default;

double Form::ScaleWidth() const {
    return PixelsToScale(width(), GetScaleMode(), TwipsPerPixelAt(logicalDpiX()));
}

double Form::ScaleHeight() const {
    return PixelsToScale(height(), GetScaleMode(), TwipsPerPixelAt(logicalDpiY()));
}

int Form::WindowState() const {
    if (isMinimized()) return Minimized;
    if (isMaximized()) return Maximized;
    return Normal;
}

void Form::SetWindowState(int state) {
    Qt::WindowStates states = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == Minimized) states |= Qt::WindowMinimized;
    if (state == Maximized) states |= Qt::WindowMaximized;
    setWindowState(states);
}

void Form::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void Form::SetBackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void Form::SetKeyPreview(bool preview) {
    keyPreview_ = preview;
    WatchKeysOfWindow();
}

// Keys from the window system come to the window first, before Qt hands them to the
// focused control: that is where the preview sees them.
void Form::WatchKeysOfWindow() {
    if (keyPreview_ && windowHandle()) {
        windowHandle()->removeEventFilter(this);
        windowHandle()->installEventFilter(this);
    }
}

void Form::showEvent(QShowEvent* event) {
    WatchKeysOfWindow();
    VbControl<QWidget>::showEvent(event);
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (keyPreview_ && key && watched == windowHandle()) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const QPointer<Form> alive(this);
        if (event->type() == QEvent::KeyPress)
            Events().KeyPressed(*keyEvent);
        else
            Events().KeyReleased(*keyEvent);
        // Set after the report: keys that came during a command that waited were reported
        // meanwhile, and this one goes on to the window next.
        if (!alive) return true;
        previewedKey_ = event;
        previewedStamp_ = keyEvent->timestamp();
    }
    return VbControl<QWidget>::eventFilter(watched, event);
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (event == previewedKey_ && event->timestamp() == previewedStamp_) return event->accept();
    VbControl<QWidget>::keyPressEvent(event);
}

void Form::keyReleaseEvent(QKeyEvent* event) {
    if (event == previewedKey_ && event->timestamp() == previewedStamp_) return event->accept();
    VbControl<QWidget>::keyReleaseEvent(event);
}

void Form::SetBorderless(bool borderless) {
    setWindowFlag(Qt::FramelessWindowHint, borderless);
    if (borderless && !dragger_) dragger_ = new WindowDragger(this);
}

void Form::DragBy(QWidget* part) {
    if (!dragger_) dragger_ = new WindowDragger(this);
    dragger_->Attach(part);
}

bool Form::Unload() {
    unloading_ = true;
    const bool closed = close();
    unloading_ = false;
    return closed;
}

bool Form::QueryUnload(int) {
    return false;
}

void Form::closeEvent(QCloseEvent* event) {
    if (QueryUnload(unloading_ ? UnloadByCode : UnloadByUser)) {
        event->ignore();
        return;
    }
    event->accept();
    emit Unloaded();
}

void Form::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect pictureArea(QPoint(0, 0), picture_.deviceIndependentSize().toSize());
    QRegion ground = event->region();
    if (!picture_.hasAlphaChannel()) ground -= pictureArea;
    for (const QRect& part : ground) painter.fillRect(part, BackColor());
    const QRect shown = event->rect() & pictureArea;
    const qreal ratio = picture_.devicePixelRatio();
    if (!shown.isEmpty())
        painter.drawPixmap(QRectF(shown), picture_,
                           QRectF(QPointF(shown.topLeft()) * ratio, QSizeF(shown.size()) * ratio));
}

} // namespace zarle
