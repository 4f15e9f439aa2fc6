#include "platform/controls/ImageBox.h"

#include <QPainter>

namespace zarle {

ImageBox::ImageBox(QWidget* parent) : VbControl<QWidget>(parent) {}

void ImageBox::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    FitToPicture();
    update();
}

void ImageBox::SetStretch(bool stretch) {
    stretch_ = stretch;
    FitToPicture();
    update();
}

void ImageBox::FitToPicture() {
    if (!stretch_ && !picture_.isNull()) resize(picture_.deviceIndependentSize().toSize());
}

void ImageBox::CopyLook(const ImageBox& from) {
    stretch_ = from.stretch_;
    SetPicture(from.picture_);
}

void ImageBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
    } else {
        painter.drawPixmap(0, 0, picture_);
    }
}

} // namespace zarle
