#include "base/records/ScoreRecord.h"

#include "base/records/RecordFields.h"

#include <utility>

namespace zarle {

namespace {

// Both readings of the record share one layout: a name, then four numbers.
constexpr auto Fields = [](auto& r, const auto& io) {
    io.Text(0, ScoreRecord::NameWidth, r.Name);
    io.Int16(20, r.Value0);
    io.Int16(22, r.Value1);
    io.Int16(24, r.Value2);
    io.Int16(26, r.Value3);
};

} // namespace

ScoreRecord ScoreRecord::Decode(std::span<const uint8_t> bytes) {
    return DecodeFields<ScoreRecord>(bytes, Fields);
}

std::array<uint8_t, ScoreRecord::Size> ScoreRecord::Encode() const {
    return EncodeFields(*this, Fields);
}

NetScoreRecord NetScoreRecord::Decode(std::span<const uint8_t> bytes) {
    auto r = ScoreRecord::Decode(bytes);
    return NetScoreRecord{std::move(r.Name), r.Value0, r.Value1, r.Value2, r.Value3};
}

std::array<uint8_t, NetScoreRecord::Size> NetScoreRecord::Encode() const {
    return ScoreRecord{Name, Games, Wins, Margin, LastRec}.Encode();
}

} // namespace zarle
