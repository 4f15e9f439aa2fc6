#include "rendering/cards/clsDLL.h"

#include "rendering/cards/BackDesigns.h"
#include "rendering/cards/CardGeometry.h"
#include "rendering/cards/CardSheet.h"

namespace zarle {

int clsDLL::GetBacksQuantity() const {
    return component_.CardBackCount();
}

void clsDLL::GetCardFaces(int style) {
    if (style == BuiltInSheetStyle)
        bank_.RestoreBuiltInSheet();
    else if (style == 7)
        bank_.SetFaceSheet(component_.FaceSheet(1));
    else if (style == 8)
        bank_.SetFaceSheet(component_.FaceSheet(0));
}

void clsDLL::GetCardBacks(int design) {
    const int effective = EffectiveBackDesign(design);
    const QImage small =
        effective > 0 ? component_.CardBackPicture(static_cast<int16_t>(effective - 1), true) : QImage();
    const QImage large =
        effective > 0 ? component_.CardBackPicture(static_cast<int16_t>(effective - 1), false) : QImage();
    if (small.isNull() || large.isNull()) {
        const QImage plain = bank_.FilePic(2);
        bank_.SetFilePic(5, plain);
        bank_.SetFilePic(0, plain);
        return;
    }
    bank_.SetFilePic(5, small);
    bank_.SetFilePic(0, large);
}

CardBackPreview clsDLL::GetCardBackPreview(int design, bool small) const {
    const int effective = EffectiveBackDesign(design);
    if (effective == 0) return {bank_.FilePic(2), PlainDeckColour};
    const auto index = static_cast<int16_t>(effective - 1);
    return {component_.CardBackPicture(index, small), component_.CardBackColour(index)};
}

} // namespace zarle
