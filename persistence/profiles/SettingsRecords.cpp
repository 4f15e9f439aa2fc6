// The second copy of the settings that exit writes into the settings file.

#include "persistence/profiles/Profiles.h"
#include "base/records/ScoreRecord.h"
#include "base/text/VbText.h"

#include <cmath>

namespace zarle {

namespace {

int16_t OneIfShown(bool shown) {
    return shown ? 1 : 0;
}

} // namespace

std::string Profiles::SaveSettings(RecordFile& scores) {
    std::string error;
    // Nothing more is written after a failure: the caller tells the player once.
    auto write = [&](int n, const ScoreRecord& rec) {
        if (error.empty() && !WriteRecord(scores, n, rec)) error = scores.Error();
    };
    ProfileView& view = ports_.View;

    ScoreRecord first = ReadRecord<ScoreRecord>(scores, 1);
    first.Name = Str(profile_.FontColor);
    first.Value3 = s_.Level;
    write(1, first);

    // Records 12 to 17 share one buffer: a field a record does not set keeps the one before.
    ScoreRecord rec;
    rec.Name = Trim(profile_.ImportedAvatar);
    rec.Value0 = ToVbBool(s_.NoLoseAnimation);
    rec.Value1 = profile_.FontBackdrop;
    rec.Value2 = 0;
    rec.Value3 = s_.CardStyle;
    write(12, rec);

    rec.Name = s_.PlayerName;
    rec.Value0 = profile_.TableBack;
    rec.Value1 = profile_.SpeedLevel;
    rec.Value2 = s_.SoundLevel;
    write(13, rec);

    rec.Name = Str(s_.DeckColor);
    rec.Value0 = profile_.BackDesign;
    rec.Value1 = OneIfShown(view.IsVisible({Ctl::StatusBar1}));
    rec.Value2 = OneIfShown(view.IsVisible({Ctl::ImgAvatar}));
    rec.Value3 = OneIfShown(s_.TempMovesOpen);
    write(16, rec);

    rec.Name = Str(profile_.MatColor);
    rec.Value0 = static_cast<int16_t>(std::lrint(view.FontSize({Ctl::Label9, 2})));
    rec.Value1 = ToVbBool(s_.NoWinAnimation);
    rec.Value3 = profile_.PersonalityIdx;
    write(17, rec);

    ScoreRecord rules = ReadRecord<ScoreRecord>(scores, 18);
    rules.Name = Str(profile_.AnimSpeed);
    rules.Value0 = s_.SideSizeM1;
    rules.Value1 = s_.ForcedMask;
    rules.Value2 = ToVbBool(s_.ShuffleApart);
    rules.Value3 = ToVbBool(s_.NoWildAce);
    write(18, rules);
    return error;
}

} // namespace zarle
