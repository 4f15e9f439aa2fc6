#pragma once
// Real mouse and key events sent to the windows under test, and pictures of the windows saved
// in the build's pictures folder to look at.

#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;

namespace zarle::test {

void SavePicture(QWidget& window, const QString& name);
// A press and release at `at` (a few pixels in from the corner unless given).
void ClickWith(QWidget& widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               QPoint at = QPoint(4, 4));
void MoveMouseTo(QWidget& widget, QPoint at);
void PressKey(QWidget& widget, Qt::Key key);

} // namespace zarle::test
