#include "base/records/SavedGameRecord.h"

#include "base/records/RecordFields.h"

namespace zarle {

namespace {

using R = SavedGameRecord;

// The wild counters' cells: the value half of the human's hold pile 0, cards 1..8.
constexpr size_t WildCounterAt(size_t k) {
    return 5290 + 20 * k;
}

constexpr auto Fields = [](auto& r, const auto& io) {
    io.Int16(0, r.NoWildAce);
    io.Int16(2, r.PTurn);
    io.Int16(4, r.WorkSideCount);
    io.Int16(6, r.SideCount);
    io.Int16(8, r.WorkSidePos);
    io.Int16(10, r.SidePos);
    io.Int16(12, r.StockCount);
    io.Int16(14, r.UsedCount);
    io.Int16(16, r.HandCount);
    io.Int16(18, r.SideSizeM1);
    io.Int16(20, r.ForcedMask);
    io.Int16(22, r.NumCenters);
    io.Int16(24, r.NumPlayers);
    // 26..865 reserved.
    for (size_t i = 0; i <= R::DeckTop; ++i) {
        io.Card(866 + 4 * i, r.Deck[i]);
        io.Card(1702 + 4 * i, r.UsedCards[i]);
    }
    for (size_t i = 0; i <= R::SideTop; ++i) io.Card(2538 + 4 * i, r.SideCards[i]);
    for (size_t i = 0; i <= R::SlotTop; ++i) io.Card(2982 + 4 * i, r.PlayerCards[i]);
    for (size_t s = 0; s < r.Seats.size(); ++s) {
        auto& seat = r.Seats[s];
        for (size_t i = 0; i <= R::SideTop; ++i) io.Card(2646 + 108 * s + 4 * i, seat.SideCards[i]);
        io.Int16(2970 + 2 * s, seat.SideCount);
        io.Int16(2976 + 2 * s, seat.SidePos);
        for (size_t i = 0; i <= R::SlotTop; ++i) io.Card(3026 + 44 * s + 4 * i, seat.Slots[i]);
        // Seats' hold piles: ids and values in separate cells, seat index fastest.
        for (size_t h = 0; h <= R::HoldTop; ++h)
            for (size_t k = 0; k <= R::HoldCardTop; ++k) {
                io.Int16(3428 + 2 * s + 12 * h + 60 * k, seat.HoldCards[h][k].Id);
                io.Int16(3434 + 2 * s + 12 * h + 60 * k, seat.HoldCards[h][k].Value);
            }
        // Column 0 of the hold-pile information (5908..5937) is reserved.
        for (size_t h = 0; h <= R::HoldTop; ++h) {
            io.Int16(5938 + 6 * h + 2 * s, seat.HoldInfo[h][1]);
            io.Int16(5968 + 6 * h + 2 * s, seat.HoldInfo[h][2]);
        }
    }
    for (size_t k = 0; k <= R::CenterCardTop; ++k)
        for (size_t c = 0; c <= R::CenterTop; ++c) io.Card(3158 + 4 * c + 20 * k, r.CenterCards[c][k]);
    for (size_t c = 0; c <= R::CenterTop; ++c) io.Int16(3418 + 2 * c, r.CenterCount[c]);
    for (size_t h = 0; h <= R::HoldTop; ++h)
        for (size_t k = 0; k <= R::HoldCardTop; ++k) io.Card(5288 + 4 * h + 20 * k, r.HoldCards[h][k]);
    // After the hold cards, so that the counters win their cells.
    io.Int16(WildCounterAt(1), r.WildSide);
    io.Int16(WildCounterAt(2), r.WildHand);
    for (size_t s = 0; s < r.Seats.size(); ++s) {
        io.Int16(WildCounterAt(3 + 2 * s), r.Seats[s].WildSide);
        io.Int16(WildCounterAt(4 + 2 * s), r.Seats[s].WildHand);
    }
    for (size_t h = 0; h <= R::HoldTop; ++h) io.Int16(5998 + 2 * h, r.HoldCount[h]);
    io.Text(6008, R::NameWidth, r.Name);
};

} // namespace

SavedGameRecord SavedGameRecord::Decode(std::span<const uint8_t> bytes) {
    auto r = DecodeFields<SavedGameRecord>(bytes, Fields);
    for (size_t k = 1; k <= 8; ++k) r.HoldCards[0][k].Value = 0;
    return r;
}

std::array<uint8_t, SavedGameRecord::Size> SavedGameRecord::Encode() const {
    return EncodeFields(*this, Fields);
}

} // namespace zarle
