#include "tools/cardart/CardFace.h"

#include "rendering/cards/CardGeometry.h"
#include "tools/cardart/CourtFigures.h"
#include "tools/cardart/Textures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace zarle::cardart {

namespace {

constexpr QRectF CardRect(0, 0, LargeCardW, LargeCardH);

QString RankText(int rank) {
    static const char* names[] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(names[rank]);
}

// Pip centres for ranks 2..10 in the pip field: u across (0, 0.5, 1), v down (0..1).
struct Pip {
    double u, v;
};

std::vector<Pip> PipLayout(int rank) {
    const double third = 1.0 / 3, sixth = 1.0 / 6;
    std::vector<Pip> corners{{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    std::vector<Pip> six{{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}};
    std::vector<Pip> eight{{0, 0},         {1, 0},         {0, third}, {1, third},
                           {0, 2 * third}, {1, 2 * third}, {0, 1},     {1, 1}};
    switch (rank) {
    case 2: return {{0.5, 0}, {0.5, 1}};
    case 3: return {{0.5, 0}, {0.5, 0.5}, {0.5, 1}};
    case 4: return corners;
    case 5: corners.push_back({0.5, 0.5}); return corners;
    case 6: return six;
    case 7: six.push_back({0.5, 0.25}); return six;
    case 8:
        six.push_back({0.5, 0.25});
        six.push_back({0.5, 0.75});
        return six;
    case 9: eight.push_back({0.5, 0.5}); return eight;
    case 10:
        eight.push_back({0.5, sixth});
        eight.push_back({0.5, 1 - sixth});
        return eight;
    default: return {};
    }
}

void PaintGround(QPainter& p, const FaceStyle& style) {
    const QPainterPath outline = CardOutline(CardRect);
    p.save();
    p.setClipPath(outline);
    switch (style.look) {
    case FaceLook::Standard: p.fillRect(CardRect, Qt::white); break;
    case FaceLook::Steel: {
        p.drawImage(
            0, 0,
            BrushedMetal(CardRect.size().toSize(), QColor(0xF7, 0xF8, 0xFA), QColor(0xBC, 0xC3, 0xCB), 71));
        // A bevel: light along the top and left, shade along the bottom and right.
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
        p.drawLine(QPointF(2, 1.5), QPointF(69, 1.5));
        p.drawLine(QPointF(1.5, 2), QPointF(1.5, 94));
        p.setPen(QPen(QColor(60, 70, 80, 90), 1.0));
        p.drawLine(QPointF(2, 94.5), QPointF(69, 94.5));
        p.drawLine(QPointF(69.5, 2), QPointF(69.5, 94));
        break;
    }
    case FaceLook::Tile: {
        p.fillRect(CardRect, QColor(0xF7, 0xF0, 0xE1));
        QRadialGradient glaze(QPointF(22, 20), 80);
        glaze.setColorAt(0, QColor(255, 255, 255, 110));
        glaze.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(CardRect, glaze);
        p.setPen(QPen(style.border, 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(CardRect.adjusted(2.3, 2.3, -2.3, -2.3), 2.5, 2.5);
        break;
    }
    }
    p.restore();
    p.setPen(QPen(style.border, style.borderWidth));
    p.setBrush(Qt::NoBrush);
    p.drawPath(CardOutline(CardRect.adjusted(style.borderWidth / 2 - 0.5, style.borderWidth / 2 - 0.5,
                                             0.5 - style.borderWidth / 2, 0.5 - style.borderWidth / 2)));
}

void FillInk(QPainter& p, const QPainterPath& path, const FaceStyle& style, const QColor& ink) {
    p.setPen(Qt::NoPen);
    if (style.look == FaceLook::Steel) {
        // Engraved: a light edge below and to the right of the letter.
        p.setBrush(QColor(255, 255, 255, 190));
        p.drawPath(path.translated(0.6, 0.6));
    }
    p.setBrush(ink);
    p.drawPath(path);
}

void DrawPip(QPainter& p, const FaceStyle& style, Suit suit, QPointF centre, double height, bool upsideDown) {
    const QColor ink = Ink(style, suit);
    const QPainterPath shape = SuitShape(suit, centre, height, upsideDown);
    switch (style.look) {
    case FaceLook::Standard:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(shape);
        break;
    case FaceLook::Steel: {
        QLinearGradient shine(centre.x(), centre.y() - height / 2, centre.x(), centre.y() + height / 2);
        shine.setColorAt(upsideDown ? 1 : 0, Mix(ink, Qt::white, 0.45));
        shine.setColorAt(upsideDown ? 0 : 1, ink);
        p.setPen(QPen(Mix(ink, Qt::black, 0.35), 0.5));
        p.setBrush(shine);
        p.drawPath(shape);
        break;
    }
    case FaceLook::Tile: {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(shape);
        const QPointF glint = centre + QPointF(-height * 0.12, (upsideDown ? 1 : -1) * height * 0.1);
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawPath(SuitShape(suit, glint, height * 0.45, upsideDown));
        break;
    }
    }
}

void DrawIndex(QPainter& p, const FaceStyle& style, int rank, Suit suit) {
    const QColor ink = Ink(style, suit);
    const double left = style.indexLeft;
    const double width = 12.5 - left + 1.5;
    FillInk(p, CapText(RankText(rank), style.indexFace, QRectF(left, 3, width, 10)), style, ink);
    DrawPip(p, style, suit, QPointF(left + width / 2, 20.5), 9, false);
}

void DrawAce(QPainter& p, const FaceStyle& style, Suit suit) {
    const QPointF centre = CardRect.center();
    const QColor ink = Ink(style, suit);
    switch (style.look) {
    case FaceLook::Standard:
        if (suit == Suit::Spades) {
            // The ace of spades gets the grand pip with a ring.
            p.setPen(QPen(ink, 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(centre, 23, 23);
            DrawPip(p, style, suit, centre, 34, false);
            p.setPen(QPen(Qt::white, 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawPath(SuitShape(suit, centre + QPointF(0, -2), 22, false));
        } else {
            DrawPip(p, style, suit, centre, 30, false);
        }
        break;
    case FaceLook::Steel: {
        QRadialGradient disc(centre + QPointF(-6, -8), 30);
        disc.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
        disc.setColorAt(1, QColor(0xA9, 0xB2, 0xBC));
        p.setPen(QPen(QColor(0x4E, 0x58, 0x63), 1.0));
        p.setBrush(disc);
        p.drawEllipse(centre, 22, 22);
        for (int i = 0; i < 4; ++i) {
            const double a = M_PI / 4 + i * M_PI / 2;
            const QPointF rivet = centre + QPointF(17 * std::cos(a), 17 * std::sin(a));
            p.setPen(QPen(QColor(0x4E, 0x58, 0x63), 0.5));
            p.setBrush(QColor(0xDD, 0xE2, 0xE7));
            p.drawEllipse(rivet, 1.6, 1.6);
        }
        DrawPip(p, style, suit, centre, 24, false);
        break;
    }
    case FaceLook::Tile:
        p.setPen(QPen(style.border, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 21, 21);
        p.setPen(Qt::NoPen);
        p.setBrush(style.border);
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            p.drawEllipse(centre + QPointF(24.5 * std::cos(a), 24.5 * std::sin(a)), 1.1, 1.1);
        }
        DrawPip(p, style, suit, centre, 26, false);
        break;
    }
}

void DrawPips(QPainter& p, const FaceStyle& style, int rank, Suit suit) {
    const double left = 22.5, right = 48.5, top = 18, bottom = 78;
    const double height = rank >= 9 ? 12.5 : 13;
    for (const Pip& pip : PipLayout(rank)) {
        const QPointF centre(left + (right - left) * pip.u, top + (bottom - top) * pip.v);
        DrawPip(p, style, suit, centre, height, pip.v > 0.5);
    }
}

} // namespace

QPainterPath CardOutline(const QRectF& rect) {
    QPainterPath path;
    const double radius = CardCornerRadius * rect.width() / LargeCardW;
    path.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    return path;
}

void DrawCardFace(QPainter& p, int rank, Suit suit, FaceLook look) {
    const FaceStyle& style = StyleOf(look);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    PaintGround(p, style);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(CardRect.center());
            p.rotate(180);
            p.translate(-CardRect.center());
        }
        DrawIndex(p, style, rank, suit);
        p.restore();
    }
    if (rank == 1)
        DrawAce(p, style, suit);
    else if (rank <= 10)
        DrawPips(p, style, rank, suit);
    else
        DrawCourt(p, QRectF(14.5, 9.5, 42, 77), rank, suit, CourtColours(style, suit), Ink(style, suit));
    p.restore();
}

QImage FaceSheet(FaceLook look) {
    QImage sheet(SheetWidth, SheetHeight, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter p(&sheet);
    for (int row = 0; row < SheetRows; ++row) {
        for (int rank = 1; rank <= SheetColumns; ++rank) {
            p.save();
            p.translate((rank - 1) * LargeCardW + SheetLeftMargin, row * LargeCardH);
            DrawCardFace(p, rank, SuitOfRow(row), look);
            p.restore();
        }
    }
    return sheet;
}

} // namespace zarle::cardart
