#include "board/looks/FormBackdrops.h"

#include "rendering/cards/CardPictureBank.h"
#include "platform/forms/Form.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace zarle {

namespace {

// The colour of the skin's table, for controls standing on it.
QColor SkinFillColour(int backgroundIdx) {
    return backgroundIdx == 1 ? QColor(0xC0, 0xC0, 0xC0) : QColor(0xFF, 0xC0, 0x80);
}

void FillControls(Form& frm, const QColor& fill) {
    for (QPushButton* button : frm.findChildren<QPushButton*>()) {
        QPalette look = button->palette();
        look.setColor(QPalette::Button, fill);
        button->setPalette(look);
    }
    for (QLabel* label : frm.findChildren<QLabel*>()) {
        QPalette look = label->palette();
        look.setColor(QPalette::Window, fill);
        label->setPalette(look);
    }
}

} // namespace

void PaintFormBackground(Form& frm, int backgroundIdx, const CardPictureBank& pictures) {
    const QColor fill = SkinFillColour(backgroundIdx);
    QPixmap backdrop(frm.size());
    backdrop.fill(fill);
    const QImage& skin = pictures.imgSkin(backgroundIdx);
    if (!skin.isNull()) {
        QPainter painter(&backdrop);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(backdrop.rect(), skin);
    }
    frm.SetPicture(backdrop);
    if (frm.objectName() == QLatin1String("frmHold")) FillControls(frm, fill);
}

} // namespace zarle
