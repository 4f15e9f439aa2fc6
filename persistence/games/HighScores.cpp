#include "HighScores.h"

#include "RecordFile.h"
#include "VbText.h"

namespace zarle {

namespace {

int KeyOf(const HighScoreRecord& entry, bool sideList) {
    return sideList ? entry.Value0 : entry.Value3;
}

} // namespace

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
    for (int n = first; n <= last; ++n)
        list.push_back(file.IsOpen() ? ReadRecord<HighScoreRecord>(file, n) : HighScoreRecord{});
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
