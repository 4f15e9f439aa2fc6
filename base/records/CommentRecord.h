#pragma once
// One line of text, 100 bytes: the records of a comment set (20 lines) and of the text store.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zarle {

struct CommentRecord {
    static constexpr size_t Size = 100;

    std::string Text;

    static CommentRecord Decode(std::span<const uint8_t> bytes);
    std::array<uint8_t, Size> Encode() const;
    friend bool operator==(const CommentRecord&, const CommentRecord&) = default;
};

} // namespace zarle
