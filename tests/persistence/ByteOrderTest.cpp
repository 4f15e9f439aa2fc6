#include "base/records/ByteOrder.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace zarle;

TEST(ByteOrder, Int16IsLittleEndianAndSigned) {
    struct Case {
        int16_t value;
        std::array<uint8_t, 2> bytes;
    };
    for (auto [value, bytes] : std::array<Case, 4>{
             {{1, {1, 0}}, {-1, {0xFF, 0xFF}}, {0x1234, {0x34, 0x12}}, {-32768, {0x00, 0x80}}}}) {
        std::array<uint8_t, 2> out{};
        StoreInt16(out.data(), value);
        EXPECT_EQ(out, bytes) << value;
        EXPECT_EQ(LoadInt16(bytes.data()), value);
    }
}

TEST(ByteOrder, Int32IsLittleEndianAndSigned) {
    struct Case {
        int32_t value;
        std::array<uint8_t, 4> bytes;
    };
    for (auto [value, bytes] : std::array<Case, 3>{{{0x12345678, {0x78, 0x56, 0x34, 0x12}},
                                                    {-2, {0xFE, 0xFF, 0xFF, 0xFF}},
                                                    {INT32_MIN, {0, 0, 0, 0x80}}}}) {
        std::array<uint8_t, 4> out{};
        StoreInt32(out.data(), value);
        EXPECT_EQ(out, bytes) << value;
        EXPECT_EQ(LoadInt32(bytes.data()), value);
    }
}

TEST(ByteOrder, DoubleIsIeeeLeastSignificantByteFirst) {
    // 1.5 = 0x3FF8000000000000; 36526.5 = noon, 1 January 2000 as a day count.
    struct Case {
        double value;
        std::array<uint8_t, 8> bytes;
    };
    for (auto [value, bytes] : std::array<Case, 2>{
             {{1.5, {0, 0, 0, 0, 0, 0, 0xF8, 0x3F}}, {36526.5, {0, 0, 0, 0, 0xD0, 0xD5, 0xE1, 0x40}}}}) {
        std::array<uint8_t, 8> out{};
        StoreDouble(out.data(), value);
        EXPECT_EQ(out, bytes) << value;
        EXPECT_EQ(LoadDouble(bytes.data()), value);
    }
}
