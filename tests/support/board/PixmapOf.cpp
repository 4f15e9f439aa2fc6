#include "tests/support/board/PixmapOf.h"

#include "platform/controls/ImageBox.h"
#include "platform/controls/PictureBox.h"

namespace zarle::test {

QImage PictureOf(const QWidget* widget) {
    if (const auto* box = dynamic_cast<const PictureBox*>(widget)) return box->Picture().toImage();
    if (const auto* image = dynamic_cast<const ImageBox*>(widget)) return image->Picture().toImage();
    return {};
}

bool SamePixels(const QImage& a, const QImage& b) {
    return !a.isNull() && !b.isNull() &&
           a.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
               b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace zarle::test
