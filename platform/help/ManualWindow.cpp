#include "ManualWindow.h"

#include "dialogs/MsgBox.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace zarle {

ManualWindow::~ManualWindow() { delete window_; }

QString ManualWindow::ManualPath() const { return programFolder_ + QStringLiteral("/Help/manual.html"); }

void ManualWindow::ShowHelp(std::string_view keyword) {
    const QString path = ManualPath();
    if (!QFileInfo::exists(path)) {
        MsgBox(QStringLiteral("The game's manual is missing (%1).").arg(path), 48, QStringLiteral("Help"));
        return;
    }
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setWindowTitle(QStringLiteral("ZarleNET Help"));
        window_->resize(720, 600);
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (!keyword.empty()) url.setFragment(QString::fromLatin1(keyword.data(), qsizetype(keyword.size())));
    window_->setSource(url);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace zarle
