#include "Personalities.h"

#include "CommentRecord.h"
#include "DataFiles.h"
#include "PersonalityPacks.h"
#include "PersonalityRecord.h"
#include "RecordFile.h"
#include "VbText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace zarle {

namespace {

namespace fs = std::filesystem;

constexpr int CommentSetLines = 20;
constexpr int FirstSeatLines = 35; // lines 34 and 35 belong to the first opponent only
constexpr int SeatLines = 33;

fs::path ProgramFolder(const GameState& s) {
    return fs::path(s.AppPath);
}

// Record 1 of a personality file, or nothing when the file is missing, unreadable or shorter than
// one whole record.
std::optional<PersonalityRecord> ReadPersonality(const GameState& s, std::string_view name) {
    const auto path = FindDataFile(ProgramFolder(s) / "Data" / "PMS", std::string(name) + ".pms");
    if (!path) return std::nullopt;
    RecordFile file(*path, PersonalityRecord::Size, RecordFile::Access::ReadOnly);
    if (!file.IsOpen() || file.Count() < 1) return std::nullopt;
    PersonalityRecord rec = ReadRecord<PersonalityRecord>(file, 1);
    if (!file.Error().empty()) return std::nullopt;
    return rec;
}

// The personality of that name, else the lead personality (`name` then becomes its name), else an
// empty record when even the lead's file cannot be read.
PersonalityRecord PersonalityOrLead(const GameState& s, std::string& name) {
    if (auto rec = ReadPersonality(s, name)) return *rec;
    name = LeadPersonality;
    return ReadPersonality(s, LeadPersonality).value_or(PersonalityRecord{});
}

std::optional<std::array<std::string, CommentSetLines>> ReadCommentSet(const GameState& s,
                                                                       std::string_view set) {
    const auto path = FindDataFile(ProgramFolder(s) / "users", std::string(set) + ".cmt");
    if (!path) return std::nullopt;
    RecordFile file(*path, CommentRecord::Size, RecordFile::Access::ReadOnly);
    if (!file.IsOpen() || file.Count() < CommentSetLines) return std::nullopt;
    std::array<std::string, CommentSetLines> lines;
    for (int n = 1; n <= CommentSetLines; ++n) lines[n - 1] = ReadRecord<CommentRecord>(file, n).Text;
    if (!file.Error().empty()) return std::nullopt;
    return lines;
}

std::string TrimBack(std::string& field) {
    field = Trim(field);
    return field;
}

} // namespace

void DefaultPersonality(OpponentSlot& slot) {
    slot.Name = LeadPersonality;
    slot.Level = 0;
    slot.Avatar = DefaultAvatar;
    slot.SoundSet = 0;
    slot.Comments = DefaultCommentSet;
}

void ParsePersonality(SeatRecord& opponent, OpponentSlot& slot) {
    if (TrimBack(slot.Name).empty()) DefaultPersonality(slot);
    slot.Level = std::clamp<int16_t>(slot.Level, 0, 2);
    opponent.Name = slot.Name;
    opponent.Level = slot.Level;
    opponent.Avatar = TrimBack(slot.Avatar);
    opponent.SoundSet = slot.SoundSet;
    opponent.CommentSet = TrimBack(slot.Comments);
}

void LoadOpponent(GameState& s, BoardPort& board, SeatRecord& opponent, int entry) {
    const bool ownSet = opponent.CommentSet != NoCommentSet && opponent.CommentSet != DefaultCommentSet;
    if (ownSet && !ReadCommentSet(s, opponent.CommentSet)) opponent.CommentSet = DefaultCommentSet;
    const PersonalityRecord rec = PersonalityOrLead(s, opponent.Name);
    // The personality's pack puts its chat sounds into Sounds/, as its own program once did.
    InstallPackSounds(ProgramFolder(s), opponent.Name);

    // The personality's sound files ship in Sounds/; one that is missing plays the silent sound.
    const int set = opponent.SoundSet == 1 ? 1 : 0;
    const std::string silent = (ProgramFolder(s) / "Data" / "empty.wav").string();
    for (int k = 1; k < SoundEvents; ++k) {
        const auto found = FindDataFile(ProgramFolder(s) / "Sounds", rec.Sounds[set][k]);
        opponent.Sounds[k] = found ? found->string() : silent;
        if (found && entry == 1) s.Sounds[k] = opponent.Sounds[k];
    }
    opponent.Sounds[0] = Str(ValInt16(rec.Sounds[0][0]));

    const std::string picture = IsPlainFileName(rec.Picture) ? rec.Picture : "";
    if (opponent.Avatar.empty() || opponent.Avatar[0] == '\0' || !IsPlainFileName(opponent.Avatar))
        opponent.Avatar = picture;
    s.PersonalityPicture = picture;
    s.NoComments = opponent.CommentSet == NoCommentSet;

    if (entry == 1) {
        board.ScaleAvatar(opponent.Avatar);
        for (int k = 1; k <= FirstSeatLines; ++k)
            s.Comments[k] = k <= SeatLines && s.NoComments ? "" : rec.Comments[k];
    } else if (!s.NoComments) {
        // Every seat says its own lines, the impatience and wasted-value remarks included.
        for (int k = 1; k <= SeatLines; ++k) s.Comments[k] = rec.Comments[k];
    }
    if (opponent.CommentSet != DefaultCommentSet && !s.NoComments) LoadCommentFile(s, opponent.CommentSet);
    const int lines = entry == 1 ? FirstSeatLines : SeatLines;
    std::copy_n(s.Comments.begin() + 1, lines, opponent.Comments.begin() + 1);
}

void LoadCommentFile(GameState& s, std::string_view setName) {
    const auto lines = ReadCommentSet(s, setName);
    if (!lines) return;
    std::copy(lines->begin(), lines->end(), s.Comments.begin() + 1);
}

void LoadPersonalityFile(GameState& s, std::string_view name) {
    std::string found(name);
    const PersonalityRecord rec = PersonalityOrLead(s, found);
    std::copy_n(rec.Comments.begin() + 1, CommentSetLines, s.Comments.begin() + 1);
}

} // namespace zarle
