#pragma once
// The help service on the screen: the manual `Help/manual.html` of the program folder in the
// game's help window, opened at the topic of a keyword. A missing manual only says so.

#include "platform/help/HelpPort.h"
#include "platform/help/HelpWindow.h"

#include <QPointer>
#include <QString>

namespace zarle {

class ManualWindow final : public HelpPort {
  public:
    explicit ManualWindow(QString programFolder) : programFolder_(std::move(programFolder)) {}
    ~ManualWindow() override;
    void ShowHelp(std::string_view keyword) override;

    QString ManualPath() const;
    // The help window while it is open.
    HelpWindow* Window() const { return window_; }

  private:
    QString programFolder_;
    QPointer<HelpWindow> window_;
};

} // namespace zarle
