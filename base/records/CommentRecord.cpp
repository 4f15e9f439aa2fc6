#include "base/records/CommentRecord.h"

#include "base/records/RecordFields.h"

namespace zarle {

namespace {

constexpr auto Fields = [](auto& r, const auto& io) { io.Text(0, CommentRecord::Size, r.Text); };

} // namespace

CommentRecord CommentRecord::Decode(std::span<const uint8_t> bytes) {
    return DecodeFields<CommentRecord>(bytes, Fields);
}

std::array<uint8_t, CommentRecord::Size> CommentRecord::Encode() const {
    return EncodeFields(*this, Fields);
}

} // namespace zarle
