#pragma once
// A list box of text entries. An entry's tab character jumps to the tab stop, set in
// dialog units (a quarter of the font's average character width), so a caption and its
// shortcut key line up in two columns.

#include "platform/controls/VbControl.h"

#include <QListWidget>

namespace zarle {

class ListBox : public VbControl<QListWidget> {
  public:
    explicit ListBox(QWidget* parent = nullptr);

    void AddItem(const QString& entry);
    void Clear() { clear(); }
    int ListCount() const { return count(); }
    QString List(int index) const;

    // The selected entry, -1 for none; setting -1 removes the highlight.
    int ListIndex() const;
    void SetListIndex(int index);

    void SetTabStop(int dialogUnits);
    int TabStopPixels() const;

    // The entry under a point on the screen, -1 when there is none.
    int ItemFromPoint(const QPoint& globalPos) const;
    // The height of one entry, in pixels; 0 while the list is empty.
    int ItemHeight() const;

  private:
    int tabStopDialogUnits_ = 32;
};

} // namespace zarle
