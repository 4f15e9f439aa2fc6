#pragma once
// Procedural materials for the table look: wood, brushed metal and a soft value noise.
// Every texture is seeded, so the same build draws the same pictures.

#include <QColor>
#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

namespace zarle::cardart {

// Smooth 2-D value noise in 0..1 with a few octaves.
class Noise {
  public:
    explicit Noise(uint32_t seed);
    double At(double x, double y) const;
    double Fractal(double x, double y, int octaves) const;

  private:
    double Lattice(int x, int y) const;
    std::vector<double> values_;
};

QColor Mix(const QColor& a, const QColor& b, double t);

// Planks of wood running left to right, `plankHeight` pixels each (0: one board, no seams).
QImage Wood(QSize size, const QColor& light, const QColor& dark, int plankHeight, uint32_t seed);

// Metal brushed left to right, lighter at the top.
QImage BrushedMetal(QSize size, const QColor& light, const QColor& dark, uint32_t seed);

} // namespace zarle::cardart
