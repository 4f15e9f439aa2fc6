#pragma once
// Builds WAVE files for the tests, byte by byte.

#include <QByteArray>
#include <QtEndian>

#include <cmath>
#include <cstdint>

namespace zarle::test {

inline void Put16(QByteArray& out, uint16_t v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

inline void Put32(QByteArray& out, uint32_t v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

inline QByteArray Chunk(const char* id, const QByteArray& body, uint32_t declaredSize) {
    QByteArray out(id, 4);
    Put32(out, declaredSize);
    out += body;
    if (body.size() & 1) out += '\0';
    return out;
}

inline QByteArray Chunk(const char* id, const QByteArray& body) {
    return Chunk(id, body, uint32_t(body.size()));
}

inline QByteArray FmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    QByteArray body;
    Put16(body, tag);
    Put16(body, channels);
    Put32(body, rate);
    Put32(body, rate * channels * bits / 8);
    Put16(body, uint16_t(channels * bits / 8));
    Put16(body, bits);
    return body;
}

inline QByteArray Riff(const QByteArray& chunks) {
    QByteArray out("RIFF");
    Put32(out, uint32_t(4 + chunks.size()));
    return out + "WAVE" + chunks;
}

// A plain PCM file.
inline QByteArray Wav(uint16_t channels, uint32_t rate, uint16_t bits, const QByteArray& data) {
    return Riff(Chunk("fmt ", FmtBody(1, channels, rate, bits)) + Chunk("data", data));
}

// A quiet 16-bit mono tone of the given length.
inline QByteArray ToneWav(double seconds, uint32_t rate = 22050) {
    QByteArray data;
    const int frames = int(seconds * rate);
    for (int i = 0; i < frames; ++i) Put16(data, uint16_t(int16_t(3000 * std::sin(i * 0.06))));
    return Wav(1, rate, 16, data);
}

} // namespace zarle::test
