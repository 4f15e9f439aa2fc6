#include "platform/controls/StatusBar.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <qdrawutil.h>

#include <algorithm>

namespace zarle {

namespace {

constexpr int PanelGap = 2;
constexpr int TextMargin = 4;

} // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
    if (parent) parent->installEventFilter(this);
    Dock();
}

int StatusBar::AddPanel(const QString& key, const QString& text, int widthPixels) {
    panels_.push_back({key, text, {}, {}, std::max(0, widthPixels)});
    Changed();
    return PanelCount();
}

int StatusBar::PanelWithKey(const QString& key) const {
    for (int i = 0; i < PanelCount(); ++i)
        if (panels_[i].key == key) return i + 1;
    return 0;
}

const StatusBar::Panel* StatusBar::Find(int panel) const {
    return panel >= 1 && panel <= PanelCount() ? &panels_[panel - 1] : nullptr;
}

StatusBar::Panel* StatusBar::Find(int panel) {
    return panel >= 1 && panel <= PanelCount() ? &panels_[panel - 1] : nullptr;
}

QString StatusBar::Key(int panel) const {
    return Find(panel) ? Find(panel)->key : QString();
}

QString StatusBar::Text(int panel) const {
    return Find(panel) ? Find(panel)->text : QString();
}

void StatusBar::SetText(int panel, const QString& text) {
    if (Panel* p = Find(panel); p && p->text != text) {
        p->text = text;
        Changed();
    }
}

void StatusBar::SetIdleText(int panel, const QString& text) {
    if (Panel* p = Find(panel); p && p->idleText != text) {
        p->idleText = text;
        Changed();
    }
}

QString StatusBar::ShownText(int panel) const {
    const Panel* p = Find(panel);
    if (!p) return {};
    return p->text.isEmpty() ? p->idleText : p->text;
}

QString StatusBar::ToolTipText(int panel) const {
    return Find(panel) ? Find(panel)->toolTip : QString();
}

void StatusBar::SetToolTipText(int panel, const QString& tip) {
    if (Panel* p = Find(panel)) p->toolTip = tip;
}

int StatusBar::Width(int panel) const {
    return Find(panel) ? LaidOutWidths()[panel - 1] : 0;
}

void StatusBar::SetWidth(int panel, int pixels) {
    if (Panel* p = Find(panel)) {
        p->width = std::max(0, pixels);
        Changed();
    }
}

int StatusBar::MinWidth(int panel) const {
    return Find(panel) ? Find(panel)->minWidth : 0;
}

void StatusBar::SetMinWidth(int panel, int pixels) {
    if (Panel* p = Find(panel)) {
        p->minWidth = std::max(0, pixels);
        Changed();
    }
}

void StatusBar::SetAutoSize(int panel, int mode) {
    if (Panel* p = Find(panel)) {
        p->autoSize = mode == Spring || mode == Contents ? mode : NoAutoSize;
        Changed();
    }
}

// Fixed panels keep their width (at least the minimum), content panels fit their text,
// and spring panels share what is left of the bar evenly.
std::vector<int> StatusBar::LaidOutWidths() const {
    std::vector<int> widths;
    int used = 0, springs = 0;
    for (const Panel& p : panels_) {
        int w = p.width;
        if (p.autoSize == Contents)
            w = fontMetrics().horizontalAdvance(p.text.isEmpty() ? p.idleText : p.text) + 2 * TextMargin;
        if (p.autoSize == Spring) ++springs;
        w = std::max(w, p.minWidth);
        widths.push_back(w);
        if (p.autoSize != Spring) used += w;
    }
    const int spare = std::max(0, width() - used - PanelGap * (PanelCount() + 1));
    for (size_t i = 0; i < panels_.size(); ++i)
        if (panels_[i].autoSize == Spring) widths[i] = std::max(panels_[i].minWidth, spare / springs);
    return widths;
}

QRect StatusBar::PanelRect(int panel) const {
    if (!Find(panel)) return {};
    const std::vector<int> widths = LaidOutWidths();
    int left = PanelGap;
    for (int i = 0; i < panel - 1; ++i) left += widths[i] + PanelGap;
    return QRect(left, PanelGap, widths[panel - 1], height() - 2 * PanelGap);
}

int StatusBar::PanelAt(const QPoint& pos) const {
    for (int i = 1; i <= PanelCount(); ++i)
        if (PanelRect(i).contains(pos)) return i;
    return 0;
}

QSize StatusBar::sizeHint() const {
    return {width(), fontMetrics().height() + 2 * (PanelGap + TextMargin)};
}

void StatusBar::Changed() {
    update();
    updateGeometry();
}

void StatusBar::Dock() {
    const QWidget* window = parentWidget();
    if (!window) return;
    const int h = sizeHint().height();
    setGeometry(0, window->height() - h, window->width(), h);
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) Dock();
    return QWidget::eventFilter(watched, event);
}

bool StatusBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int panel = PanelAt(help->pos());
        if (panel && !ToolTipText(panel).isEmpty())
            QToolTip::showText(help->globalPos(), ToolTipText(panel), this, PanelRect(panel));
        else
            QToolTip::hideText();
        return true;
    }
    if (event->type() == QEvent::FontChange) Dock();
    return QWidget::event(event);
}

// The platform's own colours, not the window's: a table colour under black text cannot be read.
void StatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette colours = QApplication::palette(this);
    painter.fillRect(rect(), colours.color(QPalette::Window));
    painter.setPen(colours.color(QPalette::WindowText));
    for (int i = 1; i <= PanelCount(); ++i) {
        const QRect box = PanelRect(i);
        qDrawShadePanel(&painter, box, colours, true, 1);
        const QRect textArea = box.adjusted(TextMargin, 0, -TextMargin, 0);
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         fontMetrics().elidedText(ShownText(i), Qt::ElideRight, textArea.width()));
    }
}

void StatusBar::mousePressEvent(QMouseEvent* event) {
    pressedPanel_ = PanelAt(event->position().toPoint());
}

void StatusBar::mouseReleaseEvent(QMouseEvent* event) {
    const int panel = PanelAt(event->position().toPoint());
    const bool click = panel != 0 && panel == pressedPanel_;
    pressedPanel_ = 0;
    if (click) emit PanelClick(panel);
}

} // namespace zarle
