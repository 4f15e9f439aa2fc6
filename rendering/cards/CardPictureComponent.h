#pragma once
// Our own card-picture component: the extra face sheets and every back design, drawn at build
// time. It answers the four calls the game makes of such a component.

#include <QImage>

#include <cstdint>

namespace zarle {

class CardPictureComponent {
  public:
    // The number of back designs offered.
    int16_t CardBackCount() const;
    // Ground colour (0x00BBGGRR) of back design `index` (0-based); the plain deck colour for an
    // index the component does not have.
    int32_t CardBackColour(int16_t index) const;
    // Face sheet 1 (shown as style 7) or 0 (style 8); a null image for any other number.
    QImage FaceSheet(int16_t which) const;
    // Back design `index` (0-based), 59 x 80 when small, else 71 x 96; null for a design it lacks.
    QImage CardBackPicture(int16_t index, bool small) const;
};

} // namespace zarle
