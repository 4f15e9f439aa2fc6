#pragma once
// Moves a borderless window when the left button is held down on it, or on one of the
// parts attached, and the mouse is moved. The window system does the move where it can;
// elsewhere the window follows the mouse. A move starts only once the mouse has gone
// the platform's drag distance, so a plain click on a part stays a click; the release
// that ends a move is no click.

#include <QObject>
#include <QPoint>

class QWidget;

namespace zarle {

class WindowDragger : public QObject {
  public:
    // Watches `window` itself; it owns the dragger.
    explicit WindowDragger(QWidget* window);

    // Lets the window be dragged by `part` too (a label, a picture on it).
    void Attach(QWidget* part);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    bool pressed_ = false;
    bool moving_ = false;
    QPoint pressAt_;
    QPoint grabOffset_;
};

} // namespace zarle
