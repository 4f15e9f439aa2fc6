#include "base/records/OpponentSlot.h"

#include "base/records/RecordFields.h"

namespace zarle {

namespace {

constexpr size_t NameAt = 0;
constexpr size_t AvatarAt = 20;

constexpr auto Fields = [](auto& r, const auto& io) {
    io.Text(NameAt, OpponentSlot::NameWidth, r.Name);
    io.Text(AvatarAt, OpponentSlot::AvatarWidth, r.Avatar);
    io.Text(50, OpponentSlot::CommentsWidth, r.Comments);
    io.Int16(150, r.Level);
    io.Int16(152, r.SoundSet);
};

} // namespace

OpponentSlot OpponentSlot::Decode(std::span<const uint8_t> bytes) {
    return DecodeFields<OpponentSlot>(bytes, Fields);
}

std::array<uint8_t, OpponentSlot::Size> OpponentSlot::Encode() const {
    return EncodeFields(*this, Fields);
}

std::array<uint8_t, AvatarRecord::Size> NewAvatarRecord(std::string_view name, std::string_view avatar) {
    std::array<uint8_t, AvatarRecord::Size> b{};
    WriteFixedText(&b[NameAt], AvatarRecord::NameWidth, name);
    WriteFixedText(&b[AvatarAt], AvatarRecord::AvatarWidth, avatar);
    return b;
}

} // namespace zarle
