#pragma once
// A picture box: an opaque rectangle in a back colour with a picture drawn at its top-left
// corner, unscaled and clipped, optionally inside a sunken border. Pile slots, the drawn
// menu strip and the card rows of the small windows are picture boxes.

#include "platform/controls/VbControl.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <optional>

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

    // Places the box by its inside, in the parent's pixels: a thin border lies around `inside`, so
    // a card picture of the inside's size shows whole, at the same place with or without a border.
    void SetInside(const QRect& inside);

    // A newly loaded element of a control array starts as a copy of its first element.
    void CopyLook(const PictureBox& from);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int BorderWidth() const;
    void PlaceAroundInside();

    QPixmap picture_;
    std::optional<QRect> inside_; // placed by its inside
    QColor backColor_;
    int borderStyle_ = 0;
};

} // namespace zarle
