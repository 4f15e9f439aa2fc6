#include "platform/units/Twips.h"
#include "platform/units/VbColor.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

#include <array>

using namespace zarle;

TEST(Units, TwipsAndPixelsAtTheScreensResolution) {
    EXPECT_EQ(TwipsPerPixelAt(96), 15);
    EXPECT_EQ(TwipsPerPixelAt(120), 12);
    EXPECT_EQ(TwipsPerPixelAt(144), 10);
    EXPECT_EQ(TwipsPerPixelAt(0), 15) << "an unknown resolution counts as the standard one";

    struct Case {
        double twips;
        double twipsPerPixel;
        int pixels;
    };
    const std::array<Case, 10> toPixels{{
        {1065, 15, 71}, // a large card
        {1440, 15, 96},
        {885, 15, 59}, // a small card
        {12000, 15, 800},
        {7.5, 15, 0}, // half a pixel goes to the even neighbour
        {22.5, 15, 2},
        {37.5, 15, 2},
        {-7.5, 15, 0},
        {-22.5, 15, -2},
        {1065, 12, 89}, // large fonts: 88.75
    }};
    for (const Case& c : toPixels) EXPECT_EQ(TwipsToPixels(c.twips, c.twipsPerPixel), c.pixels) << c.twips;
    EXPECT_EQ(PixelsToTwips(71, 15), 1065);
    EXPECT_EQ(PixelsToTwips(59, 12), 708);
}

TEST(Units, ScaleUnitsConvertOnlyInTwips) {
    EXPECT_DOUBLE_EQ(PixelsToScale(10.5, ScaleUnit::Twips, 15), 157.5);
    EXPECT_DOUBLE_EQ(PixelsToScale(10.5, ScaleUnit::Pixels, 15), 10.5);
    EXPECT_DOUBLE_EQ(ScaleToPixels(150, ScaleUnit::Twips, 15), 10);
    EXPECT_DOUBLE_EQ(ScaleToPixels(150, ScaleUnit::Pixels, 15), 150);
    EXPECT_EQ(WholePixels(2.5, ScaleUnit::Pixels, 15), 2);
    EXPECT_EQ(WholePixels(1507.5, ScaleUnit::Twips, 15), 100);
}

TEST(Units, StoredColoursAreBlueGreenRed) {
    EXPECT_EQ(VbColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(VbColor(0xC0E0FF), QColor(0xFF, 0xE0, 0xC0));
    EXPECT_EQ(VbColor(0x00FFFF), QColor(Qt::yellow));
    EXPECT_EQ(VbColorValue(QColor(0xFF, 0xE0, 0xC0)), 0xC0E0FFu);
    EXPECT_EQ(VbColorValue(VbColor(0x123456)), 0x123456u);
    EXPECT_EQ(VbColor(0x80000018), QGuiApplication::palette().color(QPalette::ToolTipBase))
        << "the tool-tip ground";
    EXPECT_EQ(VbColor(0x8000000F), QGuiApplication::palette().color(QPalette::Button));
}
