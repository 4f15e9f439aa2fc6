#pragma once
// The help service on the screen: the manual `Help/manual.html` of the program folder in a
// text-browser window of the game.

#include "HelpPort.h"

#include <QPointer>
#include <QString>

class QTextBrowser;

namespace zarle {

class ManualWindow final : public HelpPort {
  public:
    explicit ManualWindow(QString programFolder) : programFolder_(std::move(programFolder)) {}
    ~ManualWindow() override;
    void ShowHelp(std::string_view keyword) override;

    QString ManualPath() const;

  private:
    QString programFolder_;
    QPointer<QTextBrowser> window_;
};

} // namespace zarle
