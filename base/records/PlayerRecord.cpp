#include "base/records/PlayerRecord.h"

#include "base/records/RecordFields.h"

namespace zarle {

namespace {

constexpr auto Fields = [](auto& r, const auto& io) {
    io.Int32(0, r.FontColor);
    io.Int32(4, r.MatColor);
    io.Int32(8, r.DeckColor);
    io.Int16(12, r.NumPlayers);
    io.Int16(14, r.NumCenters);
    io.Int16(16, r.MsgFontSize);
    io.Int16(18, r.TableBack);
    io.Int16(20, r.SpeedLevel);
    io.Int16(22, r.AnimSpeed);
    io.Int16(24, r.SoundLevel);
    io.Int16(26, r.BackgroundIdx);
    io.Int16(28, r.CardStyle);
    io.Int16(30, r.BackDesign);
    io.Int16(32, r.HoldWinLeft);
    io.Int16(34, r.HoldWinTop);
    io.Int16(36, r.FontBackdrop);
    io.Int16(38, r.StatusBarOn);
    io.Int16(40, r.AvatarOn);
    io.Int16(42, r.AutoSave);
    io.Int16(44, r.NoLoseAnimation);
    io.Int16(46, r.NoWinAnimation);
    io.Int16(48, r.SideSizeM1);
    io.Int16(50, r.ForcedMask);
    io.Int16(52, r.ShuffleApart);
    io.Int16(54, r.NoWildAce);
    // The best-run table is stored with its first index running fastest.
    for (size_t a = 0; a < 4; ++a)
        for (size_t k = 0; k < 3; ++k) io.Int16(56 + 2 * (a + 4 * k), r.BestRuns[a][k]);
    for (size_t c = 0; c < PlayerRecord::Categories; ++c) {
        io.Int16(80 + 2 * c, r.Games[c]);
        io.Int16(94 + 2 * c, r.Wins[c]);
        io.Int16(108 + 2 * c, r.Margin[c]);
    }
    for (size_t s = 0; s < 4; ++s) io.Embedded(122 + OpponentSlot::Size * s, r.Seats[s]);
};

} // namespace

PlayerRecord PlayerRecord::Decode(std::span<const uint8_t> bytes) {
    return DecodeFields<PlayerRecord>(bytes, Fields);
}

std::array<uint8_t, PlayerRecord::Size> PlayerRecord::Encode() const {
    return EncodeFields(*this, Fields);
}

} // namespace zarle
