#include "platform/help/ManualWindow.h"

#include "platform/dialogs/MsgBox.h"
#include "platform/help/HelpTopics.h"

#include <QDir>
#include <QFileInfo>

namespace zarle {

ManualWindow::~ManualWindow() {
    delete window_;
}

QString ManualWindow::ManualPath() const {
    return programFolder_ + QStringLiteral("/Help/manual.html");
}

void ManualWindow::ShowHelp(std::string_view keyword) {
    const QString path = ManualPath();
    if (!QFileInfo(path).isFile()) {
        MsgBox(
            QStringLiteral("The user's manual could not be found. It belongs in the game's folder as:\r\n%1")
                .arg(QDir::toNativeSeparators(path)),
            48, QStringLiteral("ZarleNET Help"));
        return;
    }
    if (!window_) {
        window_ = new HelpWindow;
        window_->setAttribute(Qt::WA_DeleteOnClose);
    }
    // Shown first: the topic is scrolled to on the text as the window lays it out.
    window_->show();
    window_->ShowTopic(path, HelpAnchor(QString::fromUtf8(keyword.data(), qsizetype(keyword.size()))));
    window_->raise();
    window_->activateWindow();
}

} // namespace zarle
