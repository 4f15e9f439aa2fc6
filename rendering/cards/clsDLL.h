#pragma once
// The wrapper the game creates around the card-picture component: it fetches face sheets into the
// face-sheet bank and back designs into the board's backs or the preferences preview.

#include "rendering/cards/CardPictureBank.h"
#include "rendering/cards/CardPictureComponent.h"

#include <QImage>

#include <cstdint>

namespace zarle {

// A back as the preferences dialog previews it.
struct CardBackPreview {
    QImage picture;
    int32_t backColour = 0;
};

class clsDLL {
  public:
    explicit clsDLL(CardPictureBank& bank) : bank_(bank) {}

    int GetBacksQuantity() const;
    // Style 6 puts the built-in sheet back, 7 and 8 fetch the component's sheets; other styles
    // change nothing. A sheet the component cannot give leaves the built-in one in use.
    void GetCardFaces(int style);
    // Design 1..n fetches that back into FilePic(5) (small) and FilePic(0) (large); 0, or a design
    // the component does not have, puts the plain back FilePic(2) into both.
    void GetCardBacks(int design);
    // The preferences preview of design 1..n: its back in the asked size with its ground colour;
    // the plain back and the plain deck colour for 0 or a design the component does not have.
    CardBackPreview GetCardBackPreview(int design, bool small) const;

  private:
    CardPictureComponent component_;
    CardPictureBank& bank_;
};

} // namespace zarle
