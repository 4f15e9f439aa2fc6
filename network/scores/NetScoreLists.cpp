#include "network/scores/NetScoreLists.h"

#include "network/scores/FolderFiles.h"
#include "persistence/profiles/ProfileText.h"
#include "base/records/RecordFile.h"
#include "base/text/VbText.h"

#include <algorithm>
#include <system_error>

namespace zarle {

namespace fs = std::filesystem;

std::vector<std::string> ListScoreFiles(const fs::path& usersFolder, std::string_view player) {
    const std::string prefix = Upper(player) + "_";
    std::vector<std::string> found;
    for (const auto& name : FolderFiles(usersFolder)) {
        const std::string up = Upper(name);
        if (up.size() < prefix.size() + 4 || !up.starts_with(prefix) || !up.ends_with(".RCM")) continue;
        found.push_back(name.substr(prefix.size(), name.size() - prefix.size() - 4));
    }
    return found;
}

std::vector<std::string> CompetitionNames(const fs::path& usersFolder, std::string_view player) {
    std::vector<std::string> names;
    for (auto name : ListScoreFiles(usersFolder, player)) {
        if (name.size() > 2 && name[0] >= '2' && name[0] <= '4' && name[1] == '_') name.erase(0, 2);
        if (!name.empty() && std::ranges::find(names, name) == names.end()) names.push_back(name);
    }
    return names;
}

std::vector<NetScoreRecord> ReadNetScores(const fs::path& path, int players) {
    RecordFile file(path, NetScoreRecord::Size, RecordFile::Access::ReadOnly);
    if (!file.IsOpen()) return {};
    std::vector<NetScoreRecord> records{ReadRecord<NetScoreRecord>(file, 1)};
    const int lastRec = records[0].LastRec;
    const int last = players > 2 && lastRec >= 2 ? lastRec + players - 1 : lastRec;
    const int64_t inFile = file.Count();
    for (int n = 2; n <= last && n <= inFile; ++n) records.push_back(ReadRecord<NetScoreRecord>(file, n));
    return records;
}

DeleteOutcome DeleteOpponent(const fs::path& path, std::string_view name) {
    RecordFile file(path, NetScoreRecord::Size, RecordFile::Access::ReadWrite);
    if (!file.IsOpen()) return DeleteOutcome::Failed;
    NetScoreRecord header = ReadRecord<NetScoreRecord>(file, 1);
    const int lastRec = header.LastRec;
    const std::string target = Upper(Trim(name));
    int found = 0;
    for (int n = 2; n <= lastRec && found == 0; ++n)
        if (Upper(Trim(ReadRecord<NetScoreRecord>(file, n).Name)) == target) found = n;
    if (found == 0) return DeleteOutcome::NotFound;
    for (int n = found; n < lastRec; ++n) WriteRecord(file, n, ReadRecord<NetScoreRecord>(file, n + 1));
    WriteRecord(file, lastRec, NetScoreRecord{std::string(1, '\0'), 0, 0, 0, 0});
    header.LastRec = static_cast<int16_t>(lastRec - 1);
    WriteRecord(file, 1, header);
    return file.Error().empty() ? DeleteOutcome::Deleted : DeleteOutcome::Failed;
}

DeleteOutcome DeleteLineUp(const fs::path& path, int firstRec, int players) {
    const auto records = ReadNetScores(path, players);
    if (records.empty() || firstRec < 2 || firstRec + players - 1 >= static_cast<int>(records.size()) + 1)
        return DeleteOutcome::NotFound;
    const fs::path scratch = path.parent_path() / "tempScore.ran";
    std::error_code error;
    fs::remove(scratch, error);
    {
        RecordFile copy(scratch, NetScoreRecord::Size, RecordFile::Access::Create);
        if (!copy.IsOpen()) return DeleteOutcome::Failed;
        int n = 2;
        for (int rec = 2; rec <= static_cast<int>(records.size()); ++rec) {
            if (rec >= firstRec && rec < firstRec + players) continue;
            WriteRecord(copy, n++, records[rec - 1]);
        }
        NetScoreRecord header = records[0];
        header.LastRec = static_cast<int16_t>(std::max(1, n - 1 - (players - 1)));
        WriteRecord(copy, 1, header);
        if (!copy.Error().empty()) return DeleteOutcome::Failed;
    }
    fs::rename(scratch, path, error);
    return error ? DeleteOutcome::Failed : DeleteOutcome::Deleted;
}

LineUpPick PickLineUp(int row, int players) {
    const int k = players + 1;
    if (row < k) return {1, 2};
    const int firstRow = row - (row % k) + 1;
    return {firstRow, firstRow - firstRow / k + 1};
}

} // namespace zarle
