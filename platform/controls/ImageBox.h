#pragma once
// An image control: a picture with nothing behind it (the window shows through), either
// at its own size (the control takes the picture's size) or stretched to the control.
// Avatars, turn markers and emoticons are image controls.

#include "platform/controls/VbControl.h"

#include <QPixmap>
#include <QWidget>

namespace zarle {

class ImageBox : public VbControl<QWidget> {
  public:
    explicit ImageBox(QWidget* parent = nullptr);

    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);

    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

    void CopyLook(const ImageBox& from);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void FitToPicture();

    QPixmap picture_;
    bool stretch_ = false;
};

} // namespace zarle
