#pragma once
// Little-endian numbers as the record files store them, read and written byte by byte so that
// neither the host's byte order nor its struct layout ever reaches a file.

#include <bit>
#include <cstdint>

namespace zarle {

inline int16_t LoadInt16(const uint8_t* p) {
    return int16_t(uint16_t(p[0] | (p[1] << 8)));
}

inline void StoreInt16(uint8_t* p, int16_t value) {
    auto v = uint16_t(value);
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

inline int32_t LoadInt32(const uint8_t* p) {
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

inline void StoreInt32(uint8_t* p, int32_t value) {
    auto v = uint32_t(value);
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

// An IEEE 754 double, 8 bytes, least significant first.
inline double LoadDouble(const uint8_t* p) {
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | p[i];
    return std::bit_cast<double>(v);
}

inline void StoreDouble(uint8_t* p, double value) {
    auto v = std::bit_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i) p[i] = uint8_t(v >> (8 * i));
}

} // namespace zarle
