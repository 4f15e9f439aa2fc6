#include "tools/content/ShadeField.h"

#include <cmath>
#include <random>

namespace zarle::content {

namespace {

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

int Wrap(int i, int n) {
    return ((i % n) + n) % n;
}

} // namespace

TileNoise::TileNoise(int cellsX, int cellsY, uint32_t seed)
    : cellsX_(cellsX), cellsY_(cellsY), values_(size_t(cellsX) * cellsY) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (double& v : values_) v = unit(random);
}

double TileNoise::Lattice(int i, int j) const {
    return values_[size_t(Wrap(j, cellsY_)) * cellsX_ + Wrap(i, cellsX_)];
}

double TileNoise::At(double u, double v) const {
    const double x = u * cellsX_, y = v * cellsY_;
    const int i = int(std::floor(x)), j = int(std::floor(y));
    const double fx = Smooth(x - i), fy = Smooth(y - j);
    const double top = Lattice(i, j) + (Lattice(i + 1, j) - Lattice(i, j)) * fx;
    const double bottom = Lattice(i, j + 1) + (Lattice(i + 1, j + 1) - Lattice(i, j + 1)) * fx;
    return top + (bottom - top) * fy;
}

FractalNoise::FractalNoise(int cellsX, int cellsY, int octaves, uint32_t seed) {
    for (int k = 0; k < octaves; ++k) octaves_.emplace_back(cellsX << k, cellsY << k, seed + 7919u * k);
}

double FractalNoise::At(double u, double v) const {
    double sum = 0, weight = 1, total = 0;
    for (const TileNoise& octave : octaves_) {
        sum += octave.At(u, v) * weight;
        total += weight;
        weight /= 2;
    }
    return sum / total;
}

} // namespace zarle::content
