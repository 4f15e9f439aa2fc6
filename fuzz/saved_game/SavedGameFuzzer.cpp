// A slot of the save file from outside: the check never fails to answer, and a record it passes
// becomes a game that saves back to the same record. A whole record of bytes is taken as it is;
// shorter inputs are changes (offset, byte) to a sound two-player game, so that the search starts
// next to records that pass.

#include "engine/GameState.h"
#include "persistence/games/SavedGameCheck.h"
#include "persistence/games/SavedGameCopy.h"
#include "base/records/SavedGameRecord.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

std::vector<uint8_t> SoundGame() {
    using zarle::CardOfId;
    zarle::SavedGameRecord r;
    r.NumPlayers = 2;
    r.NumCenters = 3;
    r.SideSizeM1 = 19;
    r.PTurn = 1;
    r.HandCount = 5;
    int id = 1;
    for (int i = 1; i <= 20; ++i) r.SideCards[i] = CardOfId(id++);
    r.SideCount = 20;
    r.PlayerCards[1] = r.SideCards[20];
    for (int slot = 2; slot <= 6; ++slot) r.PlayerCards[slot] = CardOfId(id++);
    auto& seat = r.Seats[0];
    for (int i = 1; i <= 20; ++i) seat.SideCards[i] = CardOfId(id++);
    seat.SideCount = 20;
    seat.Slots[1] = seat.SideCards[20];
    for (int slot = 2; slot <= 6; ++slot) seat.Slots[slot] = CardOfId(id++);
    for (int i = 1; id <= 104; ++i) r.Deck[i] = CardOfId(id++), r.StockCount = static_cast<int16_t>(i);
    if (!zarle::SavedGameProblem(r).empty()) std::abort(); // the start of the search must pass
    const auto bytes = r.Encode();
    return {bytes.begin(), bytes.end()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes;
    if (size >= zarle::SavedGameRecord::Size) {
        bytes.assign(data, data + zarle::SavedGameRecord::Size);
    } else {
        static const std::vector<uint8_t> sound = SoundGame();
        bytes = sound;
        for (size_t i = 0; i + 2 < size; i += 3)
            bytes[(data[i] | data[i + 1] << 8) % bytes.size()] = data[i + 2];
    }
    const zarle::SavedGameRecord record = zarle::SavedGameRecord::Decode(bytes);
    if (!zarle::SavedGameProblem(record).empty()) return 0;

    zarle::GameState state;
    zarle::ApplySavedGame(record, state);
    zarle::SavedGameRecord again = record;
    zarle::FillSavedGame(state, again);
    // Only the flag of the rule is kept, not the number that stood for it, and an old record's
    // side-pile size of 0 stands for 20 cards.
    again.NoWildAce = record.NoWildAce;
    if (record.SideSizeM1 == 0) again.SideSizeM1 = 0;
    // The side piles' positions are taken from their counts, not from the record.
    again.SidePos = record.SidePos;
    again.WorkSidePos = record.WorkSidePos;
    for (int seat = 0; seat < record.NumPlayers - 1; ++seat) again.Seats[seat].SidePos = record.Seats[seat].SidePos;
    if (!(again == record)) std::abort();
    return 0;
}
