#include "app/StartUpMarker.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>

namespace zarle {

namespace {

class WelcomeWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!reported_ && event->type() == QEvent::Show && watched->objectName() == "frmWelcome") {
            reported_ = true;
            std::printf("%s\n", WelcomeShownLine);
            std::fflush(stdout);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool reported_ = false;
};

} // namespace

void ReportWelcomeShownWhenAsked(QApplication& app) {
    if (qEnvironmentVariableIsSet(StartUpMarkerVariable)) app.installEventFilter(new WelcomeWatcher(&app));
}

} // namespace zarle
