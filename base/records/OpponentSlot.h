#pragma once
// One seat of a player's table (the person or an opponent), 154 bytes. The same record, alone in
// a file, remembers the avatar chosen for a remote opponent (AvatarRecord).

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zarle {

struct OpponentSlot {
    static constexpr size_t Size = 154;
    static constexpr size_t NameWidth = 20;
    static constexpr size_t AvatarWidth = 30;
    static constexpr size_t CommentsWidth = 100;

    std::string Name;     // the person's or personality's name
    std::string Avatar;   // picture file under Avatars/
    std::string Comments; // comment set, "No Comments" or "Default Personality"
    int16_t Level = 0;    // 0 Average, 1 Clever, 2 Ruthless
    int16_t SoundSet = 0;

    static OpponentSlot Decode(std::span<const uint8_t> bytes);
    std::array<uint8_t, Size> Encode() const;
    friend bool operator==(const OpponentSlot&, const OpponentSlot&) = default;
};

// A remote opponent's remembered avatar: only Name and Avatar are used.
using AvatarRecord = OpponentSlot;

// A fresh avatar record: name and picture, every other byte zero.
std::array<uint8_t, AvatarRecord::Size> NewAvatarRecord(std::string_view name, std::string_view avatar);

} // namespace zarle
