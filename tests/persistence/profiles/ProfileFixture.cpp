#include "tests/persistence/profiles/ProfileFixture.h"

#include "base/records/ByteOrder.h"
#include "base/records/RecordFile.h"
#include "base/text/VbText.h"

#include <fstream>

namespace zarle::testing {

void ProfilesTest::SetUp() {
    root_ = Path("game");
    for (const char* folder : {"Data/PMS", "users", "Avatars", "backgrounds", "Sounds"})
        std::filesystem::create_directories(root_ / folder);
    state.AppPath = root_.string();
}

void ProfilesTest::FreshState() {
    state = GameState{};
    profile = ProfileState{};
    state.AppPath = root_.string();
}

void ProfilesTest::Touch(const std::string& relative, const std::string& text) {
    std::ofstream(root_ / relative, std::ios::binary) << text;
}

PlayerRecord ProfilesTest::Header(const std::string& lastPlayer) {
    PlayerRecord rec;
    rec.FontColor = 0x00FFFF;
    rec.MatColor = 0x8000;
    rec.NumPlayers = 2;
    rec.NumCenters = 3;
    rec.MsgFontSize = 12;
    rec.SpeedLevel = 2;
    rec.AnimSpeed = 45;
    rec.CardStyle = 6;
    rec.BackDesign = 1;
    rec.StatusBarOn = VbTrue;
    rec.AvatarOn = VbTrue;
    rec.AutoSave = VbTrue;
    rec.SideSizeM1 = 19;
    rec.Seats[0] = {lastPlayer, "", "Default Personality", 0, 0};
    for (int s = 1; s <= 3; ++s) rec.Seats[s] = {"Zarle", "Zarle.jpg", "Default Personality", 0, 0};
    return rec;
}

PlayerRecord ProfilesTest::Player(const std::string& name) {
    PlayerRecord rec = Header(name);
    rec.AnimSpeed = 120;
    rec.CardStyle = 3;
    rec.Games[0] = 7;
    rec.Wins[0] = 4;
    rec.Margin[0] = 33;
    return rec;
}

void ProfilesTest::WritePlayers(const std::vector<PlayerRecord>& records) {
    std::filesystem::remove(root_ / "Data/Players.sav");
    RecordFile file(root_ / "Data/Players.sav", PlayerRecord::Size, RecordFile::Access::Create);
    for (size_t i = 0; i < records.size(); ++i) WriteRecord(file, int64_t(i + 1), records[i]);
}

std::vector<uint8_t> ProfilesTest::PlayersBytes() const {
    return ReadBytes(root_ / "Data/Players.sav");
}

int16_t ProfilesTest::Int16At(const std::vector<uint8_t>& file, size_t recordLength, int recNo,
                              size_t offset) {
    const size_t at = (recNo - 1) * recordLength + offset;
    return at + 2 <= file.size() ? LoadInt16(file.data() + at) : int16_t{0};
}

std::string ProfilesTest::TextAt(const std::vector<uint8_t>& file, size_t recordLength, int recNo,
                                 size_t offset, size_t width) {
    const size_t at = (recNo - 1) * recordLength + offset;
    return at + width <= file.size() ? ReadFixedText(file.data() + at, width) : std::string();
}

PlayerRecord ProfilesTest::StoredPlayer(int recNo) const {
    RecordFile file(root_ / "Data/Players.sav", PlayerRecord::Size, RecordFile::Access::ReadOnly);
    return ReadRecord<PlayerRecord>(file, recNo);
}

} // namespace zarle::testing
