#include "tools/cardart/Text.h"

#include <QFontDatabase>
#include <QTransform>

namespace zarle::cardart {

namespace {

QString g_families[3];

QString LoadFamily(const QString& file) {
    int id = QFontDatabase::addApplicationFont(file);
    return id < 0 ? QString() : QFontDatabase::applicationFontFamilies(id).value(0);
}

double CapHeight(const QFont& font) {
    QPainterPath h;
    h.addText(0, 0, font, QStringLiteral("H"));
    return h.boundingRect().height();
}

} // namespace

void LoadFonts(const QString& fontDir) {
    g_families[static_cast<int>(Face::Sans)] = LoadFamily(fontDir + "/DejaVuSans-Bold.ttf");
    g_families[static_cast<int>(Face::Serif)] = LoadFamily(fontDir + "/DejaVuSerif-Bold.ttf");
    g_families[static_cast<int>(Face::Mono)] = LoadFamily(fontDir + "/DejaVuSansMono-Bold.ttf");
}

QFont BoldFont(Face face) {
    QFont font(g_families[static_cast<int>(face)]);
    font.setBold(true);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath CapText(const QString& text, Face face, const QRectF& box, HAlign align, double slant) {
    QFont font = BoldFont(face);
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const double scale = box.height() / CapHeight(font);
    QRectF bounds = raw.boundingRect();
    const double width = bounds.width() * scale + slant * box.height();
    const double squeeze = width > box.width() ? box.width() / width : 1.0;
    double left = box.left();
    if (align == HAlign::Centre) left = box.center().x() - width * squeeze / 2;
    QTransform t;
    t.translate(left, box.bottom());
    t.scale(squeeze, 1.0);
    t.shear(-slant, 0);
    t.scale(scale, scale);
    t.translate(-bounds.left(), 0);
    return t.map(raw);
}

} // namespace zarle::cardart
