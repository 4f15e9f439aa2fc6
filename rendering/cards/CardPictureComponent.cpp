#include "rendering/cards/CardPictureComponent.h"

#include "rendering/cards/BackDesigns.h"
#include "rendering/cards/CardArt.h"
#include "rendering/cards/CardArtPaths.h"

namespace zarle {

namespace {

bool HasDesign(int16_t index) {
    return index >= 0 && index < BackDesignCount;
}

} // namespace

int16_t CardPictureComponent::CardBackCount() const {
    return static_cast<int16_t>(BackDesignCount);
}

int32_t CardPictureComponent::CardBackColour(int16_t index) const {
    return HasDesign(index) ? BackDesigns[static_cast<size_t>(index)].groundColour : PlainDeckColour;
}

QImage CardPictureComponent::FaceSheet(int16_t which) const {
    if (which == 1) return LoadCardArt(art::FaceSheet(7));
    if (which == 0) return LoadCardArt(art::FaceSheet(8));
    return {};
}

QImage CardPictureComponent::CardBackPicture(int16_t index, bool small) const {
    return HasDesign(index) ? LoadCardArt(art::Back(index, small)) : QImage();
}

} // namespace zarle
