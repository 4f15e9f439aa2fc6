#include "persistence/profiles/ProfileDefaults.h"

#include "base/records/DamagedFile.h"
#include "engine/GameState.h"
#include "base/text/VbText.h"

#include <algorithm>
#include <array>

namespace zarle {

namespace {

constexpr std::array<int16_t, 4> SideSizesM1{19, 25, 14, 9};
constexpr int32_t MaxColor = 0xFFFFFF;

// Sets the field to `fallback` when `usable` says no; remembers that something changed.
class Repair {
  public:
    template <class T, class U> void Field(T& field, bool usable, U fallback) {
        if (usable) return;
        field = static_cast<T>(fallback);
        changed_ = true;
    }
    bool Changed() const { return changed_; }

  private:
    bool changed_ = false;
};

bool InRange(int v, int low, int high) {
    return v >= low && v <= high;
}

} // namespace

bool RepairProfile(PlayerRecord& rec, int backsQuantity) {
    Repair fix;
    // Zero counts mean the record never held a profile: switches that are off in a zero record
    // start on.
    if (rec.NumPlayers == 0) {
        fix.Field(rec.AutoSave, rec.AutoSave != 0, VbTrue);
        fix.Field(rec.StatusBarOn, rec.StatusBarOn != 0, VbTrue);
        fix.Field(rec.AvatarOn, rec.AvatarOn != 0, VbTrue);
        fix.Field(rec.MatColor, rec.MatColor != 0, DefaultMatColor);
    }
    fix.Field(rec.NumPlayers, InRange(rec.NumPlayers, 2, 4), DefaultNumPlayers);
    fix.Field(rec.NumCenters, InRange(rec.NumCenters, 3, 4), DefaultNumCenters);
    // More than two players always play on four centers.
    fix.Field(rec.NumCenters, rec.NumPlayers == 2 || rec.NumCenters == 4, 4);
    fix.Field(rec.SideSizeM1, std::ranges::find(SideSizesM1, rec.SideSizeM1) != SideSizesM1.end(),
              DefaultSideSizeM1);
    fix.Field(rec.FontColor, InRange(rec.FontColor, 0, MaxColor), 0);
    fix.Field(rec.MatColor, InRange(rec.MatColor, 0, MaxColor), DefaultMatColor);
    fix.Field(rec.DeckColor, InRange(rec.DeckColor, 0, MaxColor), 0);
    fix.Field(rec.MsgFontSize, InRange(rec.MsgFontSize, MinMsgFontSize, MaxMsgFontSize), DefaultMsgFontSize);
    fix.Field(rec.TableBack, rec.TableBack >= 0, 0);
    fix.Field(rec.SpeedLevel, InRange(rec.SpeedLevel, 0, 5), DefaultSpeedLevel);
    fix.Field(rec.AnimSpeed, InRange(rec.AnimSpeed, 1, MaxAnimSpeed), DefaultAnimSpeed);
    fix.Field(rec.SoundLevel, InRange(rec.SoundLevel, 0, 2), 0);
    fix.Field(rec.BackgroundIdx, InRange(rec.BackgroundIdx, 0, 1), 0);
    fix.Field(rec.CardStyle, InRange(rec.CardStyle, 1, 8), DefaultCardStyle);
    fix.Field(rec.BackDesign, InRange(rec.BackDesign, 0, backsQuantity), backsQuantity > 0 ? 1 : 0);
    fix.Field(rec.ForcedMask, InRange(rec.ForcedMask, 0, 7), 0);
    for (auto& seat : rec.Seats) {
        // A name that is not text (garbage in the file) is never kept or offered.
        fix.Field(seat.Name, !HasControlCharacters(seat.Name), "");
        fix.Field(seat.Level, InRange(seat.Level, 0, 2), 0);
        fix.Field(seat.SoundSet, InRange(seat.SoundSet, 0, 1), 0);
    }
    return RepairCounts(rec) || fix.Changed();
}

bool RepairCounts(PlayerRecord& rec) {
    Repair fix;
    for (size_t c = 0; c < rec.Games.size(); ++c) {
        fix.Field(rec.Games[c], rec.Games[c] >= 0, 0);
        fix.Field(rec.Wins[c], InRange(rec.Wins[c], 0, rec.Games[c]), std::clamp<int16_t>(rec.Wins[c], 0, rec.Games[c]));
    }
    for (auto& run : rec.BestRuns)
        for (int16_t& cards : run) fix.Field(cards, InRange(cards, 0, MaxDeckSize), 0);
    return fix.Changed();
}

} // namespace zarle
