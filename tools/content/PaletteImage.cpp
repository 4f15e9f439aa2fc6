#include "tools/content/PaletteImage.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <ranges>
#include <span>
#include <unordered_map>
#include <vector>

namespace zarle::content {

namespace {

constexpr int PaletteSize = 256;

int Distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db; // the eye weighs green most, blue least
}

struct Shade {
    QRgb colour;
    int count;
};

int Channel(QRgb c, int axis) {
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

// A box of colours: the widest channel and how wide.
std::pair<int, int> Widest(std::span<const Shade> box) {
    int bestAxis = 0, bestRange = -1;
    for (int axis = 0; axis < 3; ++axis) {
        const auto [low, high] = std::ranges::minmax(
            box | std::views::transform([&](const Shade& s) { return Channel(s.colour, axis); }));
        if (high - low > bestRange) bestAxis = axis, bestRange = high - low;
    }
    return {bestAxis, bestRange};
}

QRgb Average(std::span<const Shade> box) {
    double r = 0, g = 0, b = 0, n = 0;
    for (const Shade& s : box) {
        r += qRed(s.colour) * s.count, g += qGreen(s.colour) * s.count, b += qBlue(s.colour) * s.count;
        n += s.count;
    }
    return qRgb(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(b / n)));
}

// Every colour when they fit; otherwise median cut: the widest box is split at the median of its
// widest channel until there are `room` boxes, and each box gives its average colour.
std::vector<QRgb> ChoosePalette(const std::unordered_map<QRgb, int>& counts, size_t room) {
    std::vector<Shade> shades;
    for (const auto& [colour, n] : counts) shades.push_back({colour, n});
    std::ranges::sort(shades, {}, &Shade::colour);
    if (shades.size() <= room) {
        std::vector<QRgb> palette;
        for (const Shade& s : shades) palette.push_back(s.colour);
        return palette;
    }
    std::vector<std::span<Shade>> boxes{std::span<Shade>(shades)};
    while (boxes.size() < room) {
        auto widest =
            std::ranges::max_element(boxes, {}, [](std::span<Shade> box) { return Widest(box).second; });
        if (Widest(*widest).second <= 0) break;
        const int axis = Widest(*widest).first;
        std::span<Shade> box = *widest;
        std::ranges::sort(box, {}, [&](const Shade& s) { return Channel(s.colour, axis); });
        const size_t half = box.size() / 2;
        *widest = box.first(half);
        boxes.push_back(box.subspan(half));
    }
    std::vector<QRgb> palette;
    for (std::span<const Shade> box : boxes) palette.push_back(Average(box));
    return palette;
}

} // namespace

PalettePicture ToPalette(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    std::unordered_map<QRgb, int> counts;
    bool anyClear = false;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) < 128) {
                anyClear = true;
                continue;
            }
            ++counts[line[x] | 0xFF000000u];
        }
    }
    PalettePicture out;
    std::vector<QRgb> palette = ChoosePalette(counts, PaletteSize - (anyClear ? 1 : 0));
    if (anyClear) {
        out.transparentIndex = int(palette.size());
        palette.push_back(qRgb(0, 0, 0));
    }
    if (palette.empty()) palette.push_back(qRgb(0, 0, 0));

    std::unordered_map<QRgb, int> indexOf;
    for (size_t i = 0; i < palette.size(); ++i)
        if (int(i) != out.transparentIndex) indexOf.emplace(palette[i], int(i));
    auto nearest = [&](QRgb c) {
        if (auto found = indexOf.find(c); found != indexOf.end()) return found->second;
        int best = 0;
        for (size_t i = 1; i < palette.size(); ++i)
            if (int(i) != out.transparentIndex && Distance(palette[i], c) < Distance(palette[best], c))
                best = int(i);
        indexOf.emplace(c, best);
        return best;
    };

    out.image = QImage(argb.size(), QImage::Format_Indexed8);
    out.image.setColorCount(int(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i) out.image.setColor(int(i), palette[i]);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* target = out.image.scanLine(y);
        for (int x = 0; x < argb.width(); ++x)
            target[x] = uchar(qAlpha(line[x]) < 128 ? out.transparentIndex : nearest(line[x] | 0xFF000000u));
    }
    return out;
}

QImage RampPicture(const ShadeField& shades, const ColourRamp& ramp) {
    QImage out(shades.Width(), shades.Height(), QImage::Format_Indexed8);
    out.setColorCount(PaletteSize);
    auto mix = [](const QColor& a, const QColor& b, double t) {
        return qRgb(int(a.red() + (b.red() - a.red()) * t), int(a.green() + (b.green() - a.green()) * t),
                    int(a.blue() + (b.blue() - a.blue()) * t));
    };
    for (int i = 0; i < PaletteSize; ++i) {
        const double t = i / double(PaletteSize - 1);
        out.setColor(i, t < 0.5 ? mix(ramp.dark, ramp.mid, t * 2) : mix(ramp.mid, ramp.light, t * 2 - 1));
    }
    for (int y = 0; y < shades.Height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < shades.Width(); ++x)
            line[x] = uchar(std::lround(std::clamp(shades.At(x, y), 0.0, 1.0) * (PaletteSize - 1)));
    }
    return out;
}

} // namespace zarle::content
