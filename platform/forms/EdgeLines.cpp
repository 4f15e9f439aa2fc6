#include "platform/forms/EdgeLines.h"

#include <QPainter>
#include <QWidget>

namespace zarle {

namespace {

const char* const EdgeLinesName = "EdgeLines";

// Lies over the window's own painting and under its controls, and lets the mouse through so the
// window can still be dragged by its edges.
class EdgeLines final : public QWidget {
  public:
    explicit EdgeLines(QWidget& frm) : QWidget(&frm) {
        setObjectName(EdgeLinesName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const int w = width();
        const int h = height();
        const QColor light(0xE0, 0xE0, 0xE0);
        const QColor grey(0xC0, 0xC0, 0xC0);
        QPainter painter(this);
        painter.setPen(light);
        painter.drawLine(0, 0, 0, h - 1);
        painter.drawLine(0, 0, w - 2, 0);
        painter.drawLine(2, 0, 2, h - 4);
        painter.drawLine(2, 2, w - 4, 2);
        painter.setPen(grey);
        painter.drawLine(w - 1, 0, w - 1, h - 1);
        painter.drawLine(0, h - 1, w - 1, h - 1);
        painter.drawLine(w - 2, 1, w - 2, h - 2);
        painter.drawLine(1, h - 2, w - 1, h - 2);
    }
};

} // namespace

void DrawFormEdgeLines(QWidget& frm) {
    QWidget* lines = frm.findChild<QWidget*>(EdgeLinesName, Qt::FindDirectChildrenOnly);
    if (!lines) lines = new EdgeLines(frm);
    lines->setGeometry(frm.rect());
    lines->lower();
    lines->show();
    lines->update();
}

} // namespace zarle
