#include "persistence/games/HighScores.h"

#include "base/records/DamagedFile.h"
#include "engine/GameState.h"
#include "base/records/RecordDate.h"
#include "base/records/RecordFile.h"
#include "base/text/VbText.h"

#include <algorithm>

namespace zarle {

namespace {

int KeyOf(const HighScoreRecord& entry, bool sideList) {
    return sideList ? entry.Value0 : entry.Value3;
}

bool CardCount(int16_t value) {
    return value >= 0 && value <= MaxDeckSize;
}

} // namespace

bool IsReadableEntry(const HighScoreRecord& entry) {
    if (entry.Date == 0) return entry == HighScoreRecord{};
    return FromRecordDate(entry.Date).has_value() && !HasControlCharacters(entry.Name) &&
           CardCount(entry.Value0) && CardCount(entry.Value1) && CardCount(entry.Value2) &&
           CardCount(entry.Value3);
}

bool EnterRanked(std::vector<HighScoreRecord>& list, bool sideList, const HighScoreRecord& entry) {
    const int key = KeyOf(entry, sideList);
    for (size_t i = 0; i < list.size(); ++i) {
        const int old = KeyOf(list[i], sideList);
        const bool below = old < key || (old == key && !(sideList && entry.Value3 < list[i].Value3));
        if (!below) continue;
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(i), entry);
        list.pop_back();
        return true;
    }
    return false;
}

void RemoveFirstNamed(std::vector<HighScoreRecord>& list, std::string_view name) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (Trim(list[i].Name) != name) continue;
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        list.push_back(HighScoreRecord{});
        return;
    }
}

std::vector<HighScoreRecord> HighScoreFile::Read(int first, int last) const {
    std::vector<HighScoreRecord> list;
    RecordFile file(path_, HighScoreRecord::Size, RecordFile::Access::ReadOnly);
    const int64_t whole = file.IsOpen() ? file.Count() : 0;
    for (int n = first; n <= last && n <= whole; ++n) {
        const auto entry = ReadRecord<HighScoreRecord>(file, n);
        if (IsReadableEntry(entry) && !(entry == HighScoreRecord{})) list.push_back(entry);
    }
    list.resize(static_cast<size_t>(std::max(0, last - first + 1)));
    return list;
}

std::string HighScoreFile::Write(int first, const std::vector<HighScoreRecord>& list) const {
    std::vector<uint8_t> bytes;
    for (const HighScoreRecord& entry : list) {
        const auto one = entry.Encode();
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    RecordFile file(path_, HighScoreRecord::Size, RecordFile::Access::Create);
    if (file.IsOpen()) file.WriteRange(first, bytes);
    return file.Error();
}

} // namespace zarle
