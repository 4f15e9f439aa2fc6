// A damaged player file found at start-up: kept beside the original, repaired as far as it can be,
// and reported once; and the one message that names every damaged data file found.

#include "DamagedFile.h"
#include "Profiles.h"
#include "VbText.h"

#include <system_error>

namespace zarle {

namespace {

namespace fs = std::filesystem;

bool HasGarbageName(RecordFile& players, int64_t records) {
    for (int64_t n = 1; n <= records; ++n) {
        if (HasControlCharacters(ReadRecord<PlayerRecord>(players, n).Seats[0].Name)) return true;
    }
    return false;
}

} // namespace

int64_t Profiles::HealPlayerFile(RecordFile& players) {
    const fs::path path = PlayersFile();
    std::error_code error;
    const uintmax_t size = fs::file_size(path, error);
    if (error || !players.IsOpen()) return players.Count();
    const auto records = static_cast<int64_t>((size + PlayerRecord::Size - 1) / PlayerRecord::Size);
    if (s_.DamagedFilesSeen.contains(path.lexically_normal().string())) return records;
    Damage damage = DamageBySize(size, PlayerRecord::Size);
    if (damage == Damage::None && HasGarbageName(players, records)) damage = Damage::Garbage;
    if (damage == Damage::None) return records;

    const auto kept = KeepDamagedCopy(path);
    std::string done;
    switch (damage) {
    case Damage::Empty: done = "A new list of players was started."; break;
    case Damage::CutShort:
        // A repair that cannot be written is told in the notice itself.
        done = WriteRecord(players, records, ReadRecord<PlayerRecord>(players, records))
                   ? "Its last record was read as far as it goes and written whole again."
                   : "Its last record was read as far as it goes.";
        break;
    default: done = "Names that are not text are left out."; break;
    }
    NoteDamagedFile(s_, path, DamageNotice(path, damage, done, kept));
    return records;
}

void Profiles::ReportDamage() {
    if (s_.DamageNotices.empty()) return;
    const std::string gap = std::string(CRLF) + std::string(CRLF);
    std::string text;
    for (const std::string& notice : s_.DamageNotices) text += (text.empty() ? "" : gap) + notice;
    s_.DamageNotices.clear();
    ports_.Box.MsgBox(text, MbExclamation, "Damaged files");
}

} // namespace zarle
