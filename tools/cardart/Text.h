#pragma once
// Lettering for the artwork: the fonts come from the system's DejaVu files; text is turned into
// outlines so that it can be fitted into exact boxes, squeezed, slanted and embossed.

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace zarle::cardart {

enum class Face { Sans, Serif, Mono };

// Loads the bold DejaVu faces from `fontDir`; missing files fall back to the default font.
void LoadFonts(const QString& fontDir);
QFont BoldFont(Face face);

enum class HAlign { Left, Centre };

// Outline of `text` whose capital height fills `box` and whose baseline sits on its bottom edge
// (descenders hang below); squeezed sideways to fit the box's width; `slant` leans it (0.2 = italic).
QPainterPath CapText(const QString& text, Face face, const QRectF& box, HAlign align = HAlign::Centre,
                     double slant = 0.0);

} // namespace zarle::cardart
