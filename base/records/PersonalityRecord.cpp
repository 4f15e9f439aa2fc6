#include "base/records/PersonalityRecord.h"

#include "base/records/DamagedFile.h"
#include "base/records/RecordFields.h"

#include <algorithm>

namespace zarle {

namespace {

using R = PersonalityRecord;

constexpr auto Fields = [](auto& r, const auto& io) {
    for (size_t k = 0; k < R::CommentLines; ++k) io.Text(R::CommentWidth * k, R::CommentWidth, r.Comments[k]);
    // The two names of an event lie side by side.
    for (size_t e = 0; e < R::SoundEvents; ++e)
        for (size_t set = 0; set < 2; ++set)
            io.Text(3600 + 60 * e + 30 * set, R::SoundWidth, r.Sounds[set][e]);
    io.Text(4560, R::PictureWidth, r.Picture);
};

} // namespace

PersonalityRecord PersonalityRecord::Decode(std::span<const uint8_t> bytes) {
    return DecodeFields<PersonalityRecord>(bytes, Fields);
}

std::array<uint8_t, PersonalityRecord::Size> PersonalityRecord::Encode() const {
    return EncodeFields(*this, Fields);
}

bool PersonalityRecord::HoldsGarbage() const {
    auto garbage = [](const std::string& text) { return HasControlCharacters(text); };
    return std::ranges::any_of(Comments, garbage) || HasControlCharacters(Picture) ||
           std::ranges::any_of(Sounds, [&](const auto& set) { return std::ranges::any_of(set, garbage); });
}

} // namespace zarle
