#include "persistence/profiles/WindowPlacement.h"

#include "base/records/ScoreRecord.h"

#include <algorithm>
#include <limits>

namespace zarle {

namespace {

constexpr int DisplaySizeRecord = 14;
constexpr int PlacementRecord = 15;
constexpr int16_t StoredOffset = 20; // added to the display size, and the "placement saved" mark
constexpr int16_t MaximisedHeight = 2;
constexpr int16_t MinimisedHeight = 0;
constexpr int MaxDisplaySize = 3;
constexpr int SmallestWindow = 1500; // twips; smaller windows are taken as damaged

// Twips beyond the 16-bit range (very large screens) are stored as the largest value.
int16_t Stored(int twips) {
    return static_cast<int16_t>(
        std::clamp<int>(twips, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

} // namespace

bool WriteWindowSettings(RecordFile& scores, int displaySize, const WindowPlacement& placement) {
    ScoreRecord rec = ReadRecord<ScoreRecord>(scores, DisplaySizeRecord);
    rec.Value2 = static_cast<int16_t>(displaySize + StoredOffset);
    rec.Value3 = StoredOffset;
    // The file keeps the reason of a first failure.
    if (!WriteRecord(scores, DisplaySizeRecord, rec)) return false;

    rec.Value0 = rec.Value1 = rec.Value2 = rec.Value3 = 0;
    switch (placement.State) {
    case PlacementState::Maximised: rec.Value0 = MaximisedHeight; break;
    case PlacementState::Minimised: rec.Value0 = MinimisedHeight; break;
    case PlacementState::Normal:
        rec.Value0 = Stored(placement.Height);
        rec.Value1 = Stored(placement.Width);
        rec.Value2 = Stored(placement.Left);
        rec.Value3 = Stored(placement.Top);
        break;
    }
    return WriteRecord(scores, PlacementRecord, rec);
}

WindowPlacement FitOnScreen(WindowPlacement p, ScreenTwips screen, int leastHeight) {
    const int width = std::max(screen.Width, SmallestWindow);
    const int height = std::max(screen.Height, SmallestWindow);
    p.Width = std::clamp(p.Width, SmallestWindow, width);
    p.Height = std::clamp(p.Height, std::min(std::max(leastHeight, SmallestWindow), height), height);
    p.Left = std::clamp(p.Left, 0, width - p.Width);
    p.Top = std::clamp(p.Top, 0, height - p.Height);
    return p;
}

StoredWindow ReadWindowSettings(RecordFile& scores, ScreenTwips screen, int leastHeight) {
    StoredWindow w;
    const auto sizes = ReadRecord<ScoreRecord>(scores, DisplaySizeRecord);
    const int stored = sizes.Value2 - StoredOffset;
    w.DisplaySize = static_cast<int16_t>(stored >= 0 && stored <= MaxDisplaySize ? stored : 0);
    w.PlacementSaved = sizes.Value3;
    if (w.PlacementSaved != StoredOffset) return w;

    const auto rec = ReadRecord<ScoreRecord>(scores, PlacementRecord);
    if (rec.Value0 == MinimisedHeight) {
        w.WindowMode = 3;
    } else if (rec.Value0 == MaximisedHeight) {
        w.WindowMode = 2;
    } else {
        w.HasPlacement = true;
        const WindowPlacement saved{PlacementState::Normal, rec.Value2, rec.Value3, rec.Value1, rec.Value0};
        w.Placement = FitOnScreen(saved, screen, w.DisplaySize < 2 ? leastHeight : 0);
    }
    return w;
}

} // namespace zarle
