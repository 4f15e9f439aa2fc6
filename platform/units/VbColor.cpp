#include "platform/units/VbColor.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <utility>

namespace zarle {

namespace {

constexpr uint32_t SystemColorFlag = 0x80000000;

// The scheme colours the game uses, by their index, and the palette colour standing in.
constexpr std::array<std::pair<uint32_t, QPalette::ColorRole>, 10> SystemColors{{
    {0x05, QPalette::Base},
    {0x08, QPalette::Text},
    {0x0D, QPalette::Highlight},
    {0x0E, QPalette::HighlightedText},
    {0x0F, QPalette::Button},
    {0x10, QPalette::Dark},
    {0x11, QPalette::PlaceholderText},
    {0x12, QPalette::ButtonText},
    {0x17, QPalette::ToolTipText},
    {0x18, QPalette::ToolTipBase},
}};

QColor SystemColor(uint32_t index) {
    const QPalette palette = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                 ? QGuiApplication::palette()
                                 : QPalette();
    for (const auto& [i, role] : SystemColors)
        if (i == index) return palette.color(role);
    return palette.color(QPalette::Window);
}

} // namespace

QColor VbColor(uint32_t value) {
    if (value & SystemColorFlag) return SystemColor(value & 0xFF);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

uint32_t VbColorValue(const QColor& color) {
    const QColor rgb = color.toRgb();
    return uint32_t(rgb.red()) | uint32_t(rgb.green()) << 8 | uint32_t(rgb.blue()) << 16;
}

} // namespace zarle
