#include "platform/controls/ListBox.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace zarle {

namespace {

// Draws an entry's text with its first tab as a jump to the list's tab stop.
class TabStopDelegate : public QStyledItemDelegate {
  public:
    explicit TabStopDelegate(ListBox* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

        const QRect area = opt.widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
        const QPalette::ColorRole role =
            opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setPen(opt.palette.color(role));
        painter->setFont(opt.font);
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        painter->drawText(area, flags, tab < 0 ? text : text.left(tab));
        if (tab >= 0)
            painter->drawText(area.adjusted(list_->TabStopPixels(), 0, 0, 0), flags, text.mid(tab + 1));
        painter->restore();
    }

  private:
    ListBox* list_;
};

} // namespace

ListBox::ListBox(QWidget* parent) : VbControl<QListWidget>(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new TabStopDelegate(this));
}

void ListBox::AddItem(const QString& entry) {
    addItem(entry);
}

QString ListBox::List(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

int ListBox::ListIndex() const {
    const QListWidgetItem* current = currentItem();
    return current && current->isSelected() ? row(current) : -1;
}

void ListBox::SetListIndex(int index) {
    if (index >= 0 && index < count()) {
        setCurrentRow(index);
    } else {
        clearSelection();
        setCurrentRow(-1);
    }
}

void ListBox::SetTabStop(int dialogUnits) {
    tabStopDialogUnits_ = dialogUnits;
    viewport()->update();
}

int ListBox::TabStopPixels() const {
    return tabStopDialogUnits_ * fontMetrics().averageCharWidth() / 4;
}

int ListBox::ItemFromPoint(const QPoint& globalPos) const {
    const QPoint at = viewport()->mapFromGlobal(globalPos);
    if (!viewport()->rect().contains(at)) return -1;
    const QModelIndex index = indexAt(at);
    return index.isValid() ? index.row() : -1;
}

int ListBox::ItemHeight() const {
    return count() > 0 ? sizeHintForRow(0) : 0;
}

} // namespace zarle
