#include "tests/support/board/WindowEvents.h"

#include "tests/support/PicturesFolder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace zarle::test {

void SavePicture(QWidget& window, const QString& name) {
    const auto file = testing::PicturesFolder("window-shots") / (name.toStdString() + ".png");
    EXPECT_TRUE(window.grab().save(QString::fromStdString(file.string()))) << file.string();
}

void ClickWith(QWidget& widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) {
    const QPointF point(at);
    QMouseEvent press(QEvent::MouseButtonPress, point, widget.mapToGlobal(point), button, button, modifiers);
    QMouseEvent release(QEvent::MouseButtonRelease, point, widget.mapToGlobal(point), button, Qt::NoButton,
                        modifiers);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

void MoveMouseTo(QWidget& widget, QPoint at) {
    const QPointF point(at);
    QMouseEvent move(QEvent::MouseMove, point, widget.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

void PressKey(QWidget& widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

} // namespace zarle::test
