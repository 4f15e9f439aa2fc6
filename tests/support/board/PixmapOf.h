#pragma once
// What a pile or image widget shows, for comparing with the card banks' pictures.

#include <QImage>
#include <QWidget>

namespace zarle::test {

// The widget's picture as an image; null when it has none or is no picture control.
QImage PictureOf(const QWidget* widget);
// The same pixels, whatever format each image keeps them in.
bool SamePixels(const QImage& a, const QImage& b);

} // namespace zarle::test
