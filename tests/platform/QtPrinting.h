#pragma once
// Lets test failures print Qt texts and points readably.

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}
inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << '(' << p.x() << ", " << p.y() << ')';
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << '(' << r.x() << ", " << r.y() << ' ' << r.width() << 'x' << r.height() << ')';
}
