#include "tools/content/GifWriter.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>

namespace zarle::content {

namespace {

constexpr int MaxCodeBits = 12;
constexpr int MaxCodes = 1 << MaxCodeBits;

void PutWord(QByteArray& out, int v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

// Codes packed least significant bit first, cut into sub-blocks of at most 255 bytes.
class CodeStream {
  public:
    explicit CodeStream(QByteArray& out) : out_(out) {}
    void Put(int code, int bits) {
        accumulator_ |= uint32_t(code) << used_;
        used_ += bits;
        while (used_ >= 8) {
            Byte(uint8_t(accumulator_ & 0xFF));
            accumulator_ >>= 8;
            used_ -= 8;
        }
    }
    void Finish() {
        if (used_ > 0) Byte(uint8_t(accumulator_ & 0xFF));
        Flush();
        out_.append(char(0)); // block terminator
    }

  private:
    void Byte(uint8_t b) {
        block_.append(char(b));
        if (block_.size() == 255) Flush();
    }
    void Flush() {
        if (block_.isEmpty()) return;
        out_.append(char(block_.size()));
        out_.append(block_);
        block_.clear();
    }
    QByteArray& out_;
    QByteArray block_;
    uint32_t accumulator_ = 0;
    int used_ = 0;
};

// The table grows one code per emitted code; the decoder lags one entry behind, so the code size
// steps up once the next free code no longer fits the current size.
void EncodePixels(QByteArray& out, const QImage& image, int minCodeSize) {
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    CodeStream stream(out);
    std::unordered_map<uint32_t, int> table;
    int codeSize = minCodeSize + 1;
    int nextCode = clear + 2;
    stream.Put(clear, codeSize);

    int prefix = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int k = line[x];
            if (prefix < 0) {
                prefix = k;
                continue;
            }
            const uint32_t key = (uint32_t(prefix) << 8) | uint32_t(k);
            if (auto found = table.find(key); found != table.end()) {
                prefix = found->second;
                continue;
            }
            stream.Put(prefix, codeSize);
            if (nextCode < MaxCodes) {
                table.emplace(key, nextCode++);
                if (nextCode > (1 << codeSize) && codeSize < MaxCodeBits) ++codeSize;
            } else {
                stream.Put(clear, codeSize);
                table.clear();
                codeSize = minCodeSize + 1;
                nextCode = clear + 2;
            }
            prefix = k;
        }
    }
    if (prefix >= 0) stream.Put(prefix, codeSize);
    stream.Put(end, codeSize);
    stream.Finish();
}

} // namespace

QByteArray EncodeGif(const QImage& image, int transparentIndex) {
    const int colours = image.colorCount();
    if (image.format() != QImage::Format_Indexed8 || colours < 1 || colours > 256 || image.isNull())
        throw std::invalid_argument("a GIF needs an 8-bit palette picture of 1 to 256 colours");
    int tableBits = 1; // the colour table holds 2^tableBits entries
    while ((1 << tableBits) < colours) ++tableBits;
    const int minCodeSize = std::max(2, tableBits);

    QByteArray out("GIF89a");
    PutWord(out, image.width());
    PutWord(out, image.height());
    out.append(char(0x80 | 0x70 | (tableBits - 1))); // global table, 8-bit colour resolution
    out.append(char(0));                             // background colour
    out.append(char(0));                             // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < colours ? image.color(i) : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    if (transparentIndex >= 0) {
        out.append("\x21\xF9\x04\x01", 4); // graphic control: transparency on
        PutWord(out, 0);                   // no delay
        out.append(char(transparentIndex));
        out.append(char(0));
    }
    out.append(char(0x2C)); // image at (0, 0), whole screen, no local table, not interlaced
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, image.width());
    PutWord(out, image.height());
    out.append(char(0));
    out.append(char(minCodeSize));
    EncodePixels(out, image, minCodeSize);
    out.append(char(0x3B));
    return out;
}

} // namespace zarle::content
