#include "rendering/cards/CardSheet.h"

#include "rendering/cards/BackDesigns.h"
#include "rendering/cards/CardGeometry.h"

namespace zarle {

int FoldCardId(int id) {
    return id >= 1 ? (id - 1) % CardsPerPack + 1 : id;
}

int SheetRow(int id) {
    return (FoldCardId(id) - 1) / SheetColumns + 1;
}

int SheetX(int id) {
    const int folded = FoldCardId(id);
    return (folded - SheetColumns * (SheetRow(folded) - 1) - 1) * LargeCardW + SheetLeftMargin;
}

int SheetY(int id) {
    return (SheetRow(id) - 1) * LargeCardH;
}

int EffectiveCardStyle(int cardStyle) {
    return cardStyle >= FirstRankStyle && cardStyle <= LastCardStyle ? cardStyle : BuiltInSheetStyle;
}

bool IsRankStyle(int cardStyle) {
    return cardStyle >= FirstRankStyle && cardStyle <= LastRankStyle;
}

int EffectiveBackDesign(int backDesign) {
    return backDesign >= 0 && backDesign <= BackDesignCount ? backDesign : 0;
}

} // namespace zarle
