#include "base/records/HighScoreRecord.h"

#include "base/records/RecordFields.h"

namespace zarle {

namespace {

constexpr auto Fields = [](auto& r, const auto& io) {
    io.Double(0, r.Date);
    io.Text(8, HighScoreRecord::NameWidth, r.Name);
    io.Int16(28, r.Value0);
    io.Int16(30, r.Value1);
    io.Int16(32, r.Value2);
    io.Int16(34, r.Value3);
};

} // namespace

HighScoreRecord HighScoreRecord::Decode(std::span<const uint8_t> bytes) {
    return DecodeFields<HighScoreRecord>(bytes, Fields);
}

std::array<uint8_t, HighScoreRecord::Size> HighScoreRecord::Encode() const {
    return EncodeFields(*this, Fields);
}

} // namespace zarle
