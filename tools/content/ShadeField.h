#pragma once
// A picture as shades 0..1, and seamless value noise to make them: every field here wraps around,
// so a picture made from it tiles without seams.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zarle::content {

class ShadeField {
  public:
    ShadeField(int width, int height) : width_(width), height_(height), shade_(size_t(width) * height) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    double At(int x, int y) const { return shade_[size_t(y) * width_ + x]; }
    void Set(int x, int y, double v) { shade_[size_t(y) * width_ + x] = v; }

  private:
    int width_, height_;
    std::vector<double> shade_;
};

// Smooth noise in 0..1 over the unit square, wrapping at its edges; `cellsX` x `cellsY` random
// values are spread over the square, so more cells give finer detail along that axis.
class TileNoise {
  public:
    TileNoise(int cellsX, int cellsY, uint32_t seed);
    double At(double u, double v) const;

  private:
    double Lattice(int i, int j) const;
    int cellsX_, cellsY_;
    std::vector<double> values_;
};

// Octaves of TileNoise, each with twice the cells and half the weight of the one before; 0..1.
class FractalNoise {
  public:
    FractalNoise(int cellsX, int cellsY, int octaves, uint32_t seed);
    double At(double u, double v) const;

  private:
    std::vector<TileNoise> octaves_;
};

} // namespace zarle::content
