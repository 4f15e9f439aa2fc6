#include "tools/content/Tiles.h"

#include "tools/content/PaletteImage.h"
#include "tools/content/ShadeField.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>

namespace zarle::content {

namespace {

constexpr double Tau = 2 * std::numbers::pi;

ShadeField Field(int width, int height, const std::function<double(double u, double v)>& shade) {
    ShadeField field(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            field.Set(x, y, std::clamp(shade(double(x) / width, double(y) / height), 0.0, 1.0));
    return field;
}

// Wood grain running left to right: growth rings bent by slow noise, and fine fibres. `rings` must
// be whole for the grain to wrap top to bottom.
class Grain {
  public:
    Grain(int rings, uint32_t seed) : rings_(rings), bend_(3, 4, 4, seed), fibres_(3, 64, 2, seed + 1) {}
    double At(double u, double v) const {
        const double ring = 0.5 + 0.5 * std::sin(Tau * (v * rings_ + 1.2 * bend_.At(u, v)));
        return 0.30 * std::pow(ring, 3) + 0.55 * fibres_.At(u, v) + 0.15 * bend_.At(v, u);
    }

  private:
    int rings_;
    FractalNoise bend_, fibres_;
};

// Floor planks running left to right, four rows to the picture and two boards to a row, with dark
// seams. The seams lie inside the picture, so its edges run through wood.
class PlankFloor {
  public:
    static constexpr int Size = 256, Rows = 4;
    double At(double u, double v) const {
        const double down = std::fmod(v * Rows + 0.5, Rows);
        const int row = int(down);
        const double across = down - row; // 0..1 down the plank
        // The joints are staggered from row to row.
        const double firstJoint = std::fmod(0.1 + 0.23 * row, 0.5), secondJoint = firstJoint + 0.5;
        const int board = u >= firstJoint && u < secondJoint ? 1 : 0;
        const double grainShift = 0.29 * row + 0.5 * board;
        const double boardTone = tone_.At(u, (2 * row + board + 0.5) / (2 * Rows)) - 0.5;
        double shade = 0.25 + 0.55 * grain_.At(u, std::fmod(v + grainShift, 1.0)) + 0.2 * boardTone;
        const double seamAcross = std::min(across, 1 - across) * Size / Rows;
        const double seamAlong = std::min(std::abs(u - firstJoint), std::abs(u - secondJoint)) * Size;
        const double seam = std::min(seamAcross, seamAlong); // pixels to the nearest seam
        if (seam < 1.0) return 0.02;
        if (seam < 3.0) shade *= 0.7 + 0.15 * (seam - 1.0);
        return shade;
    }

  private:
    Grain grain_{3, 23};
    TileNoise tone_{Rows, 2 * Rows, 29};
};

// Brushed steel with a raised bar in each cell, leaning one way or the other by turns.
class TreadPlate {
  public:
    static constexpr int Size = 128, Cells = 4;
    double At(double u, double v) const {
        const double x = u * Cells, y = v * Cells;
        const int i = int(x), j = int(y);
        const double dx = x - i - 0.5, dy = y - j - 0.5;
        const double lean = (i + j) % 2 == 0 ? 1.0 : -1.0;
        const double along = (dx + lean * dy) / std::numbers::sqrt2;
        const double across = (dx - lean * dy) / std::numbers::sqrt2;
        const double reach = std::max(0.0, std::abs(along) - BarHalfLength);
        const double dist = std::hypot(reach, across) / BarHalfWidth; // below 1 on the bar
        double shade = 0.45 + 0.3 * brush_.At(u, v);
        if (dist < 1.0) {
            // Lit from the top left: the upper flank bright, the lower dark.
            const double slope = (across * lean - dy * 0.5) / BarHalfWidth;
            shade += 0.28 * std::clamp(-slope, -1.0, 1.0) + 0.12;
        } else if (dist < 1.4) {
            shade -= 0.12 * (1.4 - dist) / 0.4; // a soft shadow around the bar
        }
        return shade;
    }

  private:
    static constexpr double BarHalfLength = 0.24, BarHalfWidth = 0.09;
    FractalNoise brush_{2, 64, 2, 31};
};

} // namespace

QImage WoodTile() {
    const Grain grain(5, 11);
    return RampPicture(Field(256, 256, [&](double u, double v) { return 0.2 + 0.75 * grain.At(u, v); }),
                       {QColor(92, 52, 24), QColor(150, 96, 52), QColor(206, 152, 96)});
}

QImage PlanksTile() {
    const PlankFloor floor;
    return RampPicture(
        Field(PlankFloor::Size, PlankFloor::Size, [&](double u, double v) { return floor.At(u, v); }),
        {QColor(58, 34, 18), QColor(138, 88, 46), QColor(214, 164, 104)});
}

QImage MetalTile() {
    const TreadPlate plate;
    return RampPicture(
        Field(TreadPlate::Size, TreadPlate::Size, [&](double u, double v) { return plate.At(u, v); }),
        {QColor(54, 58, 66), QColor(148, 154, 164), QColor(238, 242, 248)});
}

QImage FeltTile() {
    const FractalNoise cloth(16, 16, 3, 41);
    std::mt19937 random(43);
    std::uniform_real_distribution<double> fuzz(-0.06, 0.06);
    return RampPicture(
        Field(128, 128,
              [&](double u, double v) { return 0.5 + 0.5 * (cloth.At(u, v) - 0.5) + fuzz(random); }),
        {QColor(8, 62, 30), QColor(26, 108, 56), QColor(66, 150, 92)});
}

QImage MarbleTile() {
    const FractalNoise swirl(4, 4, 5, 53);
    return RampPicture(Field(256, 256,
                             [&](double u, double v) {
                                 const double s =
                                     0.5 + 0.5 * std::sin(Tau * (2 * u + v) + 7.0 * swirl.At(u, v));
                                 return 0.3 + 0.7 * std::pow(s, 0.22) - 0.08 * swirl.At(v, u);
                             }),
                       {QColor(84, 86, 98), QColor(196, 194, 190), QColor(246, 244, 238)});
}

} // namespace zarle::content
