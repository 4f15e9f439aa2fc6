#pragma once
// A picture box: an opaque rectangle in a back colour with a picture drawn at its top-left
// corner, unscaled and clipped, optionally inside a sunken border. Pile slots, the drawn
// menu strip and the card rows of the small windows are picture boxes.

#include "controls/VbControl.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace zarle {

class PictureBox : public VbControl<QWidget> {
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QPixmap& Picture() const { return picture_; }
    // A null pixmap clears the picture.
    void SetPicture(const QPixmap& picture);

    QColor BackColor() const { return backColor_; }
    void SetBackColor(const QColor& color);

    // 0 none, 1 a sunken border; the picture and mouse positions start inside it.
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style);

    // A newly loaded element of a control array starts as a copy of its first element.
    void CopyLook(const PictureBox& from);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int BorderWidth() const;

    QPixmap picture_;
    QColor backColor_;
    int borderStyle_ = 0;
};

} // namespace zarle
