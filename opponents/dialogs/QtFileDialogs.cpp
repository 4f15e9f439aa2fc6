#include "opponents/dialogs/QtFileDialogs.h"

#include "platform/dialogs/CommonDialog.h"

#include <QDir>
#include <QFileDialog>

namespace zarle {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::optional<std::string> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(path).toStdString();
}

} // namespace

std::optional<std::string> QtFileDialogs::ShowOpen(const FileDialogRequest& request) {
    return Chosen(zarle::ShowOpen(Q(request.Title), Q(request.Filter), Q(request.InitDir), parent_));
}

std::optional<std::string> QtFileDialogs::ShowSave(const FileDialogRequest& request,
                                                   const std::string& fileName) {
    const QString start = QDir(Q(request.InitDir)).filePath(Q(fileName));
    return Chosen(
        QFileDialog::getSaveFileName(parent_, Q(request.Title), start, FileDialogFilter(Q(request.Filter))));
}

} // namespace zarle
