#include "tools/cardart/FaceLooks.h"

#include "tools/cardart/Textures.h"

namespace zarle::cardart {

const FaceStyle& StyleOf(FaceLook look) {
    static const FaceStyle styles[] = {
        {FaceLook::Standard, QColor(0xD0, 0x1C, 0x1F), QColor(0x14, 0x14, 0x14), QColor(0x55, 0x55, 0x55),
         1.0, 2.0, Face::Sans},
        {FaceLook::Steel, QColor(0xA3, 0x16, 0x1E), QColor(0x1D, 0x27, 0x33), QColor(0x4E, 0x58, 0x63), 1.0,
         2.5, Face::Mono},
        {FaceLook::Tile, QColor(0xB0, 0x36, 0x1E), QColor(0x1A, 0x2C, 0x5E), QColor(0x24, 0x46, 0x8C), 1.2,
         3.0, Face::Serif},
    };
    return styles[static_cast<int>(look)];
}

CourtPalette CourtColours(const FaceStyle& style, Suit suit) {
    const QColor red(0xC6, 0x28, 0x28), blue(0x1F, 0x4E, 0x9C), black(0x2A, 0x2A, 0x2A),
        gold(0xE8, 0xB5, 0x30);
    switch (style.look) {
    case FaceLook::Standard: {
        const QColor robes[4][2] = {{blue, black}, {red, gold}, {red, blue}, {black, blue}};
        const auto& r = robes[static_cast<int>(suit)];
        return {QColor(0xFC, 0xF6, 0xE0),
                QColor(0x22, 0x22, 0x22),
                QColor(0xF7, 0xD6, 0xB5),
                r[0],
                r[1],
                gold,
                QColor(0x7A, 0x4A, 0x1E),
                QColor(0xF2, 0xF2, 0xF2),
                red,
                QColor(0xC9, 0xD1, 0xD9)};
    }
    case FaceLook::Steel: {
        const QColor ink = Ink(style, suit);
        return {QColor(0xE4, 0xE8, 0xEC),
                QColor(0x1D, 0x27, 0x33),
                QColor(0xEA, 0xD8, 0xC6),
                IsRed(suit) ? QColor(0x8E, 0x2A, 0x2F) : QColor(0x4D, 0x59, 0x66),
                QColor(0x8A, 0x9A, 0xAD),
                QColor(0xBF, 0xA1, 0x5A),
                QColor(0x5C, 0x4A, 0x3A),
                QColor(0xD8, 0xDC, 0xE0),
                ink,
                QColor(0xF4, 0xF6, 0xF8)};
    }
    case FaceLook::Tile: {
        const QColor ink = Ink(style, suit);
        const QColor ground(0xF7, 0xF0, 0xE1);
        return {ground,
                ink,
                Mix(ink, ground, 0.88),
                Mix(ink, ground, 0.25),
                Mix(ink, ground, 0.65),
                ink,
                Mix(ink, ground, 0.45),
                ground,
                ink,
                Mix(ink, ground, 0.8)};
    }
    }
    return {};
}

} // namespace zarle::cardart
