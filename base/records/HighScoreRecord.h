#pragma once
// One entry of the ranked list of best runs, 36 bytes. An empty entry has date 0, a blank name
// and zero values.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zarle {

struct HighScoreRecord {
    static constexpr size_t Size = 36;
    static constexpr size_t NameWidth = 20;

    double Date = 0; // see RecordDate.h
    std::string Name;
    int16_t Value0 = 0; // side-pile cards of the run
    int16_t Value1 = 0; // hand cards
    int16_t Value2 = 0; // hold-pile cards
    int16_t Value3 = 0; // all cards of the run

    static HighScoreRecord Decode(std::span<const uint8_t> bytes);
    std::array<uint8_t, Size> Encode() const;
    friend bool operator==(const HighScoreRecord&, const HighScoreRecord&) = default;
};

} // namespace zarle
