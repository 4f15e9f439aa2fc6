#pragma once
// Puts the board window's close requests to the shut-down first: it may keep the window open.

#include <QObject>

#include <functional>

class QWidget;

namespace zarle {

class CloseRequestFilter : public QObject {
  public:
    // `queryUnload` answers true to let the window close.
    CloseRequestFilter(QWidget& window, std::function<bool()> queryUnload);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    std::function<bool()> queryUnload_;
};

} // namespace zarle
