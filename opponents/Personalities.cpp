#include "opponents/Personalities.h"

#include "opponents/CommentSets.h"
#include "base/records/DamagedFile.h"
#include "opponents/DataFiles.h"
#include "opponents/PersonalityPacks.h"
#include "base/records/PersonalityRecord.h"
#include "base/records/RecordFile.h"
#include "base/text/VbText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <system_error>

namespace zarle {

namespace {

namespace fs = std::filesystem;

constexpr int FirstSeatLines = 35; // lines 34 and 35 belong to the first opponent only
constexpr int SeatLines = 33;

fs::path ProgramFolder(const GameState& s) {
    return fs::path(s.AppPath);
}

// What a personality file gave: its record when usable, the damage found and where the file lies.
struct PersonalityRead {
    std::optional<PersonalityRecord> content;
    Damage damage = Damage::None;
    fs::path path;
};

// Record 1 of a personality file; no record when the file is missing, unreadable or damaged.
PersonalityRead ReadPersonality(const GameState& s, std::string_view name) {
    PersonalityRead read;
    const auto path = FindDataFile(ProgramFolder(s) / "Data" / "PMS", std::string(name) + ".pms");
    if (!path) return read;
    read.path = *path;
    RecordFile file(*path, PersonalityRecord::Size, RecordFile::Access::ReadOnly);
    if (!file.IsOpen()) return read;
    std::error_code error;
    read.damage = DamageBySize(fs::file_size(*path, error), PersonalityRecord::Size);
    if (error || read.damage != Damage::None) return read;
    PersonalityRecord rec = ReadRecord<PersonalityRecord>(file, 1);
    if (!file.Error().empty()) return read;
    if (rec.HoldsGarbage()) {
        read.damage = Damage::Garbage;
        return read;
    }
    read.content = rec;
    return read;
}

// The personality of that name, else the lead personality (`name` then becomes its name), else an
// empty record when even the lead's file cannot be read. A damaged file is noted for the player.
PersonalityRecord PersonalityOrLead(GameState& s, ProfileState& profile, std::string& name) {
    const auto chosen = ReadPersonality(s, name);
    if (chosen.content) return *chosen.content;
    // The lead's own file damaged is said once, below: no one else takes its seat.
    if (chosen.damage != Damage::None && !EqualsNoCase(name, LeadPersonality)) {
        NoteDamagedFile(profile, chosen.path,
                        DamageNotice(chosen.path, chosen.damage,
                                     std::string(LeadPersonality) + " takes the seat of " + name + "."));
    }
    name = LeadPersonality;
    const auto lead = ReadPersonality(s, LeadPersonality);
    if (lead.damage != Damage::None) {
        NoteDamagedFile(profile, lead.path,
                        DamageNotice(lead.path, lead.damage, "The seat plays without its lines and sounds."));
    }
    return lead.content.value_or(PersonalityRecord{});
}

// Lines 1..20 of a comment set; none when the set is missing or damaged (then noted for the
// player, who hears the personality's own lines).
std::optional<CommentSetText> ReadCommentSet(GameState& s, ProfileState& profile, std::string_view set) {
    const auto path = FindDataFile(ProgramFolder(s) / "users", std::string(set) + std::string(CommentSetExtension));
    if (!path) return std::nullopt;
    const auto read = ReadCommentSetFile(*path);
    if (!read) return std::nullopt;
    if (read->Found == Damage::None) return read->Lines;
    NoteDamagedFile(profile, *path,
                    DamageNotice(*path, read->Found, "The personality's own lines are used instead."));
    return std::nullopt;
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

void LoadOpponent(GameState& s, ProfileState& profile, BoardPort& board, SeatRecord& opponent, int entry) {
    const bool ownSet = opponent.CommentSet != NoCommentSet && opponent.CommentSet != DefaultCommentSet;
    if (ownSet && !ReadCommentSet(s, profile, opponent.CommentSet)) opponent.CommentSet = DefaultCommentSet;
    const std::string chosen = opponent.Name;
    const PersonalityRecord rec = PersonalityOrLead(s, profile, opponent.Name);
    // A seat that fell back to another personality shows that one's picture, not the chosen one's.
    const bool fellBack = opponent.Name != chosen;
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

    std::string picture = IsPlainFileName(rec.Picture) ? rec.Picture : "";
    if (fellBack && picture.empty()) picture = DefaultAvatar;
    if (fellBack || opponent.Avatar.empty() || opponent.Avatar[0] == '\0' ||
        !IsPlainFileName(opponent.Avatar))
        opponent.Avatar = picture;
    opponent.PersonalityPicture = picture;
    // The board shows the first opponent's avatar; the other seats' are shown when they play.
    if (entry == 1) s.PersonalityPicture = picture;
    s.NoComments = opponent.CommentSet == NoCommentSet;

    if (entry == 1) {
        board.ScaleAvatar(opponent.Avatar);
        for (int k = 1; k <= FirstSeatLines; ++k)
            s.Comments[k] = k <= SeatLines && s.NoComments ? "" : rec.Comments[k];
    } else if (!s.NoComments) {
        // Every seat says its own lines, the impatience and wasted-value remarks included.
        for (int k = 1; k <= SeatLines; ++k) s.Comments[k] = rec.Comments[k];
    }
    if (opponent.CommentSet != DefaultCommentSet && !s.NoComments)
        LoadCommentFile(s, profile, opponent.CommentSet);
    const int lines = entry == 1 ? FirstSeatLines : SeatLines;
    std::copy_n(s.Comments.begin() + 1, lines, opponent.Comments.begin() + 1);
}

void LoadCommentFile(GameState& s, ProfileState& profile, std::string_view setName) {
    const auto lines = ReadCommentSet(s, profile, setName);
    if (!lines) return;
    std::copy(lines->begin(), lines->end(), s.Comments.begin() + 1);
}

void LoadPersonalityFile(GameState& s, ProfileState& profile, std::string_view name) {
    std::string found(name);
    const PersonalityRecord rec = PersonalityOrLead(s, profile, found);
    std::copy_n(rec.Comments.begin() + 1, CommentSetLines, s.Comments.begin() + 1);
}

} // namespace zarle
