#include "persistence/games/DamagedGameFiles.h"

#include "base/records/DamagedFile.h"
#include "persistence/games/HighScores.h"
#include "base/records/RecordFile.h"
#include "persistence/games/SavedGameCheck.h"
#include "base/records/SavedGameRecord.h"
#include "persistence/games/SavedGames.h"
#include "base/records/ScoreRecord.h"

#include <algorithm>
#include <system_error>

namespace zarle {

namespace {

namespace fs = std::filesystem;

constexpr int SettingsRecords = 18; // the records of the settings file the game uses

// A data file as it lies on the disk: open for its repair when the folder allows it.
struct DataFile {
    uintmax_t Size = 0;
    int64_t Whole = 0;    // whole records
    bool Partial = false; // a record cut short after them
    RecordFile File;

    DataFile(const fs::path& path, size_t recordLength, uintmax_t size)
        : Size(size), Whole(int64_t(size / recordLength)), Partial(size % recordLength != 0),
          File(path, recordLength, RecordFile::Access::ReadWrite) {
        if (!File.IsOpen()) File = RecordFile(path, recordLength, RecordFile::Access::ReadOnly);
    }
};

std::optional<DataFile> Open(const fs::path& path, size_t recordLength) {
    std::error_code error;
    const uintmax_t size = fs::file_size(path, error);
    if (error) return std::nullopt;
    DataFile file(path, recordLength, size);
    if (!file.File.IsOpen()) return std::nullopt;
    return file;
}

std::string SlotList(const std::vector<int>& slots) {
    std::vector<std::string> numbers;
    for (const int slot : slots) numbers.push_back(std::to_string(slot));
    return (slots.size() == 1 ? "slot " : "slots ") + Enumeration(numbers);
}

// Slots holding no game that can be played are emptied; a last slot cut short keeps the game it
// still holds.
void HealSaveFile(ProfileState& profile, const fs::path& path) {
    auto data = Open(path, SavedGameRecord::Size);
    if (!data) return;
    RecordFile& file = data->File;
    std::vector<int> unreadable;
    for (int slot = 1; slot <= LatestAutoSlot && slot <= data->Whole; ++slot) {
        const auto rec = ReadRecord<SavedGameRecord>(file, slot);
        if (!HoldsNoGame(rec) && !SavedGameProblem(rec).empty()) unreadable.push_back(slot);
    }
    const bool cut = data->Partial && data->Whole < LatestAutoSlot;
    const int cutSlot = static_cast<int>(data->Whole + 1);
    std::optional<SavedGameRecord> cutGame;
    if (cut) {
        const auto rec = ReadRecord<SavedGameRecord>(file, cutSlot);
        if (!HoldsNoGame(rec) && SavedGameProblem(rec).empty())
            cutGame = rec;
        else
            unreadable.push_back(cutSlot);
    }
    if (unreadable.empty() && !cut) return;

    const DamagedCopy copy = KeepDamagedCopy(path);
    bool written = true;
    if (cutGame) written = WriteRecord(file, cutSlot, *cutGame);
    for (const int slot : unreadable) written = WriteRecord(file, slot, SavedGameRecord{}) && written;
    std::vector<std::string> done;
    if (cutGame) done.push_back("The game of its last slot was read as far as it goes.");
    if (!unreadable.empty())
        done.push_back("The saved games of " + SlotList(unreadable) + " could not be read" +
                       (written ? "; those slots were emptied." : "."));
    NoteDamagedFile(profile, path,
                    DamageNotice(path, cut ? Damage::CutShort : Damage::Garbage, Sentences(done), copy));
}

// Entries that cannot be read leave the lists; both lists are written whole again.
void HealHighScoreFile(ProfileState& profile, const fs::path& path) {
    auto data = Open(path, HighScoreRecord::Size);
    if (!data) return;
    bool garbage = false;
    for (int n = RunListFirst; n <= SideListLast && n <= data->Whole; ++n)
        garbage = garbage || !IsReadableEntry(ReadRecord<HighScoreRecord>(data->File, n));
    const bool cut = data->Partial && data->Whole < SideListLast;
    if (!garbage && !cut) return;

    const DamagedCopy copy = KeepDamagedCopy(path);
    const HighScoreFile lists(path);
    std::vector<HighScoreRecord> entries = lists.Read(RunListFirst, RunListLast);
    const auto sides = lists.Read(SideListFirst, SideListLast);
    entries.insert(entries.end(), sides.begin(), sides.end());
    const bool written = lists.Write(RunListFirst, entries).empty();
    NoteDamagedFile(
        profile, path,
        DamageNotice(path, cut ? Damage::CutShort : Damage::Garbage,
                     written ? "The entries that could not be read were taken out of the lists." : "", copy));
}

bool IsCardCount(int16_t value) {
    return value >= 0 && value <= MaxDeckSize;
}

// The settings records are filled up to their number again, and the computer's best runs with
// counts beyond a deck are cleared.
void HealScoresFile(ProfileState& profile, const fs::path& path) {
    auto data = Open(path, ScoreRecord::Size);
    if (!data) return;
    RecordFile& file = data->File;
    const Damage bySize = DamageBySize(data->Size, ScoreRecord::Size, SettingsRecords);
    std::vector<int> wrongRuns;
    for (const int n : {ComputerBestRunRecord, ComputerBestSideRecord}) {
        const auto rec = ReadRecord<ScoreRecord>(file, n);
        if (!IsCardCount(rec.Value0) || !IsCardCount(rec.Value1) || !IsCardCount(rec.Value2) ||
            !IsCardCount(rec.Value3))
            wrongRuns.push_back(n);
    }
    if (bySize == Damage::None && wrongRuns.empty()) return;

    const DamagedCopy copy = KeepDamagedCopy(path);
    std::vector<std::string> done;
    if (bySize != Damage::None) {
        const int64_t last = std::max<int64_t>(SettingsRecords, data->Whole + (data->Partial ? 1 : 0));
        bool written = true;
        for (int64_t n = data->Whole + 1; n <= last; ++n) written = file.Write(n, file.Read(n)) && written;
        done.push_back(std::string("The settings it lost start from their defaults") +
                       (written ? "; the file was written whole again." : "."));
    }
    bool cleared = !wrongRuns.empty();
    for (const int n : wrongRuns) {
        ScoreRecord rec = ReadRecord<ScoreRecord>(file, n);
        rec.Value0 = rec.Value1 = rec.Value2 = rec.Value3 = 0;
        cleared = WriteRecord(file, n, rec) && cleared;
    }
    if (cleared) done.push_back("The computer's best runs, which were out of range, were cleared.");
    const Damage damage = bySize != Damage::None ? bySize : Damage::OutOfRange;
    NoteDamagedFile(profile, path, DamageNotice(path, damage, Sentences(done), copy));
}

} // namespace

void HealGameFiles(Profiles& profiles) {
    ProfileState& profile = profiles.Profile();
    HealScoresFile(profile, profiles.ScoresFile());
    HealHighScoreFile(profile, profiles.DataPath("Data/highscore.ran"));
    HealSaveFile(profile, profiles.DataPath("Data/backup.sav"));
}

} // namespace zarle
