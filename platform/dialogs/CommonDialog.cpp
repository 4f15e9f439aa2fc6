#include "platform/dialogs/CommonDialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStringList>

namespace zarle {

QString FileDialogFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The patterns go in parentheses at the end; a description that already shows
        // them would otherwise show them twice.
        static const QRegularExpression shownPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
        const QString description = QString(parts[i]).remove(shownPatterns).trimmed();
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        if (!patterns.isEmpty()) entries << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

QString ShowOpen(const QString& title, const QString& filter, const QString& initialFolder, QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, title, initialFolder, FileDialogFilter(filter));
}

std::optional<QColor> ShowColor(const QColor& start, QWidget* parent) {
    const QColor picked = QColorDialog::getColor(start, parent);
    if (!picked.isValid()) return std::nullopt;
    return picked;
}

} // namespace zarle
