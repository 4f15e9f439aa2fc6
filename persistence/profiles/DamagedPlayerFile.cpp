// A damaged player file found at start-up: kept beside the original, repaired in the file so that
// the next start finds it sound, and reported once; and the one message that names every damaged
// data file found.

#include "base/records/DamagedFile.h"
#include "persistence/profiles/ProfileDefaults.h"
#include "persistence/profiles/ProfileText.h"
#include "persistence/profiles/Profiles.h"
#include "base/text/VbText.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace zarle {

namespace {

namespace fs = std::filesystem;

// The records to repair: those whose player's name is not text, and those with counts out of
// range; the names in use, which a stand-in name must not take; and the last record that holds a
// player.
struct Findings {
    std::vector<int64_t> Unnamed;
    std::vector<int64_t> Miscounted;
    std::set<std::string> Names; // upper-cased, as the welcome compares them
    int64_t LastPlayer = 1;     // the header when there is none
};

Findings Survey(RecordFile& players, int64_t records) {
    Findings found;
    for (int64_t n = 1; n <= records; ++n) {
        PlayerRecord rec = ReadRecord<PlayerRecord>(players, n);
        const std::string name = Trim(rec.Seats[0].Name);
        if (HasControlCharacters(name))
            found.Unnamed.push_back(n);
        else
            found.Names.insert(Upper(name));
        if (!name.empty()) found.LastPlayer = n;
        if (RepairCounts(rec)) found.Miscounted.push_back(n);
    }
    return found;
}

// "Player <n>" for the player of record `recNo`, or the next number that no player has.
std::string StandInName(int64_t recNo, std::set<std::string>& names) {
    for (int64_t n = recNo - 1;; ++n) {
        const std::string name = "Player " + std::to_string(n);
        if (names.insert(Upper(name)).second) return name;
    }
}

// The names given, quoted; of many, the first few and how many more.
std::string Quoted(const std::vector<std::string>& names) {
    constexpr size_t Shown = 5;
    std::vector<std::string> items;
    for (size_t i = 0; i < names.size() && i < Shown; ++i) items.push_back("\"" + names[i] + "\"");
    if (names.size() > Shown) items.push_back(std::to_string(names.size() - Shown) + " more");
    return Enumeration(items);
}

} // namespace

int64_t Profiles::HealPlayerFile(RecordFile& players) {
    const fs::path path = PlayersFile();
    std::error_code error;
    const uintmax_t size = fs::file_size(path, error);
    if (error || !players.IsOpen()) return players.Count();
    auto records = static_cast<int64_t>((size + PlayerRecord::Size - 1) / PlayerRecord::Size);
    if (profile_.DamagedFilesSeen.contains(path.lexically_normal().string())) return records;
    Findings found = Survey(players, std::min(records, LastPlayerRecord));
    // Records the game cannot reach hold no one the game wrote.
    const bool beyondReach = records > LastPlayerRecord;
    Damage damage = beyondReach ? Damage::Garbage : DamageBySize(size, PlayerRecord::Size);
    if (damage == Damage::None && !found.Unnamed.empty()) damage = Damage::Garbage;
    if (damage == Damage::None && !found.Miscounted.empty()) damage = Damage::OutOfRange;
    if (damage == Damage::None) return records;

    const DamagedCopy copy = KeepDamagedCopy(path);
    std::vector<std::string> done;
    if (damage == Damage::Empty) done.push_back("A new list of players was started.");
    if (beyondReach) {
        const bool cut = players.Truncate(found.LastPlayer);
        done.push_back(cut ? "It holds more records than the game can reach; those after the last player were "
                             "cut off."
                           : "It holds more records than the game can reach.");
        if (cut) records = found.LastPlayer;
    } else if (damage == Damage::CutShort) {
        // A repair that cannot be written is told in the notice itself.
        done.push_back(WriteRecord(players, records, ReadRecord<PlayerRecord>(players, records))
                           ? "Its last record was read as far as it goes and written whole again."
                           : "Its last record was read as far as it goes.");
    }
    std::vector<std::string> standIns;
    for (const int64_t n : found.Unnamed) {
        PlayerRecord rec = ReadRecord<PlayerRecord>(players, n);
        rec.Seats[0].Name = n == 1 ? "" : StandInName(n, found.Names);
        if (n > 1) standIns.push_back(rec.Seats[0].Name);
        RepairCounts(rec);
        WriteProfile(players, static_cast<int>(n), rec);
    }
    bool recounted = false;
    for (const int64_t n : found.Miscounted) {
        if (n > records) continue; // cut off
        recounted = true;
        if (std::ranges::find(found.Unnamed, n) != found.Unnamed.end()) continue;
        PlayerRecord rec = ReadRecord<PlayerRecord>(players, n);
        RepairCounts(rec);
        WriteProfile(players, static_cast<int>(n), rec);
    }
    if (!found.Unnamed.empty() && standIns.empty())
        done.push_back("The last player's name was not text and is left out.");
    if (!standIns.empty())
        done.push_back("Players whose names were not text are listed as " + Quoted(standIns) + ".");
    if (recounted) done.push_back("Game counts out of range were put right.");
    NoteDamagedFile(profile_, path, DamageNotice(path, damage, Sentences(done), copy));
    return records;
}

void Profiles::ReportDamage() {
    if (profile_.DamageNotices.empty()) return;
    const std::string gap = std::string(CRLF) + std::string(CRLF);
    std::string text;
    for (const std::string& notice : profile_.DamageNotices) text += (text.empty() ? "" : gap) + notice;
    profile_.DamageNotices.clear();
    ports_.Box.MsgBox(text, MbExclamation, "Damaged files");
}

} // namespace zarle
