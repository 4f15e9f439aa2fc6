#include "tools/content/DataRecords.h"

#include "base/records/CommentRecord.h"
#include "base/records/HighScoreRecord.h"
#include "base/records/PersonalityRecord.h"
#include "tools/soundgen/PersonalitySounds.h"
#include "base/records/ScoreRecord.h"
#include "base/text/VbText.h"

namespace zarle::content {

namespace {

constexpr int SettingsRecords = 18;
constexpr int HighScoreRecords = 20; // ten best runs, then ten best side runs
constexpr int CommentSetLines = 20;

constexpr int32_t VbColour(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

template <class Record> void Append(QByteArray& out, const Record& record) {
    const auto bytes = record.Encode();
    out.append(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

template <class Record> QByteArray EmptyRecords(int count) {
    QByteArray out;
    for (int i = 0; i < count; ++i) Append(out, Record{});
    return out;
}

// A line of a fixed-width record field, refused when it would be cut.
std::string Fitted(const TextSheet& sheet, const std::string& text, size_t width, const std::string& what) {
    CheckText(text, width, sheet.Path().string() + " " + what);
    return text;
}

CommentRecord CommentLine(const TextSheet& sheet, const std::string& text, int n) {
    return {Fitted(sheet, text, CommentRecord::Size, "line " + std::to_string(n))};
}

// A personality in its own picture, speaking its own lines.
OpponentSlot PersonalitySeat(const std::string& name) {
    OpponentSlot seat;
    seat.Name = name;
    seat.Avatar = name + ".jpg";
    seat.Comments = "Default Personality";
    return seat;
}

} // namespace

PlayerRecord StartingProfile() {
    PlayerRecord rec;
    rec.FontColor = VbColour(255, 255, 0); // yellow message lines read well on the green table and the wood
    rec.MatColor = VbColour(0, 128, 0);
    rec.DeckColor = 0; // not set: the plain back takes the colour that suits the screen
    rec.NumPlayers = 2;
    rec.NumCenters = 3;
    rec.MsgFontSize = 12;
    rec.TableBack = 0; // none chosen: the wood tile
    rec.SpeedLevel = 2;
    rec.AnimSpeed = 45;
    rec.SoundLevel = 0; // all sounds
    rec.BackgroundIdx = 0;
    rec.CardStyle = 6;     // the built-in face sheet
    rec.BackDesign = 1;    // the first back design
    rec.HoldWinLeft = 100; // (100, 100) asks for the hidden-cards window's default place
    rec.HoldWinTop = 100;
    rec.FontBackdrop = VbFalse;
    rec.StatusBarOn = VbTrue;
    rec.AvatarOn = VbTrue;
    rec.AutoSave = VbTrue;
    rec.SideSizeM1 = 19; // 20-card side piles
    rec.ForcedMask = 0;
    rec.ShuffleApart = VbFalse;
    rec.NoWildAce = VbFalse;
    rec.Seats[0].Comments = "Default Personality"; // Seats[0].Name stays blank: nobody has played yet
    // Zarle deals first; a bigger table brings two more faces, not copies of him.
    rec.Seats[1] = PersonalitySeat("Zarle");
    rec.Seats[2] = PersonalitySeat("Quenor");
    rec.Seats[3] = PersonalitySeat("Vova");
    return rec;
}

QByteArray PlayerFile() {
    QByteArray out;
    Append(out, StartingProfile());
    return out;
}

QByteArray SettingsFile() {
    return EmptyRecords<ScoreRecord>(SettingsRecords);
}

QByteArray HighScoreFile() {
    return EmptyRecords<HighScoreRecord>(HighScoreRecords);
}

QByteArray TextStore(const TextSheet& lines) {
    const std::vector<int> numbers = lines.Numbers();
    if (numbers.empty() || numbers.front() < 1)
        throw ContentError(lines.Path().string() + ": records start at 1");
    QByteArray out;
    for (int n = 1; n <= numbers.back(); ++n) Append(out, CommentLine(lines, lines.LineOrBlank(n), n));
    return out;
}

QByteArray CommentSet(const TextSheet& lines) {
    QByteArray out;
    for (int n = 1; n <= CommentSetLines; ++n) Append(out, CommentLine(lines, lines.Line(n), n));
    return out;
}

QByteArray PersonalityFile(const std::string& name, const TextSheet& sheet) {
    PersonalityRecord rec;
    rec.Comments[0] =
        Fitted(sheet, sheet.Text("description"), PersonalityRecord::CommentWidth, "description");
    for (int n = 1; n < PersonalityRecord::CommentLines; ++n)
        rec.Comments[n] = CommentLine(sheet, sheet.Line(n), n).Text;
    rec.Sounds[0][0] = CStr(ValInt16(sheet.Text("animation")));
    // Both sets start alike; the second is the one a player may change.
    for (size_t event = 1; event < PersonalityRecord::SoundEvents; ++event) {
        const std::string file =
            Fitted(sheet, name + std::string(soundgen::SoundEventNames[event - 1]) + ".wav",
                   PersonalityRecord::SoundWidth, "sound " + std::to_string(event));
        rec.Sounds[0][event] = rec.Sounds[1][event] = file;
    }
    rec.Picture = Fitted(sheet, sheet.Text("picture"), PersonalityRecord::PictureWidth, "picture");
    QByteArray out;
    Append(out, rec);
    return out;
}

} // namespace zarle::content
