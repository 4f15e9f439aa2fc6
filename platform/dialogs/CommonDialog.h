#pragma once
// The shared file and colour dialogs. File filters come as the game writes them:
// description and patterns in pairs joined by "|", patterns separated by ";", as in
// "Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp".

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

namespace zarle {

// The full path of an existing file the user picked, empty when the dialog was cancelled.
QString ShowOpen(const QString& title, const QString& filter, const QString& initialFolder,
                 QWidget* parent = nullptr);

// The colour picked, nothing when the dialog was cancelled.
std::optional<QColor> ShowColor(const QColor& start, QWidget* parent = nullptr);

// The same filter in the file dialog's own notation, entries separated by ";;".
QString FileDialogFilter(const QString& filter);

} // namespace zarle
