#include "tools/cardart/Textures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <random>

namespace zarle::cardart {

namespace {

constexpr int LatticeSize = 256;

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

} // namespace

Noise::Noise(uint32_t seed) : values_(LatticeSize * LatticeSize) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (double& v : values_) v = unit(rng);
}

double Noise::Lattice(int x, int y) const {
    x &= LatticeSize - 1;
    y &= LatticeSize - 1;
    return values_[static_cast<size_t>(y * LatticeSize + x)];
}

double Noise::At(double x, double y) const {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = Smooth(x - fx), ty = Smooth(y - fy);
    const double top = Lattice(ix, iy) + (Lattice(ix + 1, iy) - Lattice(ix, iy)) * tx;
    const double bottom = Lattice(ix, iy + 1) + (Lattice(ix + 1, iy + 1) - Lattice(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

double Noise::Fractal(double x, double y, int octaves) const {
    double sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += At(x, y) * weight;
        total += weight;
        x *= 2.03;
        y *= 2.03;
        weight *= 0.5;
    }
    return sum / total;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QImage Wood(QSize size, const QColor& light, const QColor& dark, int plankHeight, uint32_t seed) {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    Noise noise(seed);
    for (int y = 0; y < size.height(); ++y) {
        const int plank = plankHeight > 0 ? y / plankHeight : 0;
        const double plankShade = plankHeight > 0 ? noise.At(plank * 7.3, 3.1) * 0.25 - 0.12 : 0.0;
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double wx = x + plank * 173.0;
            const double warp = noise.Fractal(wx / 160.0, y / 28.0, 4) * 9.0;
            const double rings = std::fmod(y * 0.22 + warp + plank * 2.7, 1.0);
            const double grain = std::pow(std::abs(std::sin(rings * M_PI)), 6.0) * 0.55;
            const double fibre = noise.At(wx / 3.0, y * 1.7) * 0.18;
            double t = 0.25 + grain + fibre + plankShade;
            if (plankHeight > 0) {
                const int inPlank = y % plankHeight;
                if (inPlank == 0)
                    t = 1.15;
                else if (inPlank == plankHeight - 1)
                    t = std::max(t, 0.85);
            }
            line[x] = Mix(light, dark, t).rgba();
        }
    }
    return img;
}

QImage BrushedMetal(QSize size, const QColor& light, const QColor& dark, uint32_t seed) {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    Noise noise(seed);
    std::mt19937 rng(seed);
    std::normal_distribution<double> rowJitter(0.0, 0.05);
    for (int y = 0; y < size.height(); ++y) {
        const double base = 0.15 + 0.55 * y / std::max(1, size.height() - 1);
        const double row = rowJitter(rng);
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double streak = (noise.At(x / 60.0, y * 0.9) - 0.5) * 0.22;
            line[x] = Mix(light, dark, base + row + streak).rgba();
        }
    }
    return img;
}

} // namespace zarle::cardart
