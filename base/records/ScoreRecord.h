#pragma once
// A 20-character name and four 16-bit numbers, 28 bytes: the settings and computer-record file
// uses the numbers as Value0..Value3, the internet score files as Games, Wins, Margin, LastRec.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zarle {

struct ScoreRecord {
    static constexpr size_t Size = 28;
    static constexpr size_t NameWidth = 20;

    std::string Name;
    int16_t Value0 = 0;
    int16_t Value1 = 0;
    int16_t Value2 = 0;
    int16_t Value3 = 0;

    static ScoreRecord Decode(std::span<const uint8_t> bytes);
    std::array<uint8_t, Size> Encode() const;
    friend bool operator==(const ScoreRecord&, const ScoreRecord&) = default;
};

// The records of the settings file that hold the computer's all-time best runs: by all cards of
// the run, and by side-pile cards.
inline constexpr int ComputerBestRunRecord = 10;
inline constexpr int ComputerBestSideRecord = 11;

// The same record in an internet score file. Record 1 names the owner and holds the owner's
// totals; its LastRec is the last record in use (two players) or the first record of the last
// line-up (three or four players).
struct NetScoreRecord {
    static constexpr size_t Size = ScoreRecord::Size;
    static constexpr size_t NameWidth = ScoreRecord::NameWidth;

    std::string Name;
    int16_t Games = 0;
    int16_t Wins = 0;
    int16_t Margin = 0;
    int16_t LastRec = 0;

    static NetScoreRecord Decode(std::span<const uint8_t> bytes);
    std::array<uint8_t, Size> Encode() const;
    friend bool operator==(const NetScoreRecord&, const NetScoreRecord&) = default;
};

} // namespace zarle
