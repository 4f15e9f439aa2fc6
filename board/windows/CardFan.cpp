#include "board/windows/CardFan.h"

#include "rendering/cards/CardPictureBank.h"

#include <QPainter>
#include <QTransform>

#include <array>

namespace zarle {

namespace {

constexpr std::array<int, 4> Kings{13, 26, 39, 52};
constexpr double SpreadDegrees = 14;
constexpr double CardW = 71;
constexpr double CardH = 96;

} // namespace

QPixmap KingsFan(CardPictureBank& pictures, int height) {
    // Drawn at a size that holds the rotated cards, then scaled to the height asked for.
    const QSizeF canvas(CardW * 2.6, CardH * 1.45);
    QPixmap fan(canvas.toSize());
    fan.fill(Qt::transparent);
    QPainter painter(&fan);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF pivot(canvas.width() / 2, canvas.height() - 8);
    for (size_t i = 0; i < Kings.size(); ++i) {
        const double angle = (static_cast<double>(i) - 1.5) * SpreadDegrees;
        painter.save();
        painter.translate(pivot);
        painter.rotate(angle);
        painter.drawImage(QRectF(-CardW / 2, -CardH - 24, CardW, CardH), pictures.FaceCell(Kings[i]));
        painter.restore();
    }
    painter.end();
    return fan.scaledToHeight(height, Qt::SmoothTransformation);
}

} // namespace zarle
