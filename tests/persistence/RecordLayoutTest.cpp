// Fields land at the offsets the files have always used: each record is encoded with distinct
// values and its raw bytes are checked at the documented places.
#include "base/records/ByteOrder.h"
#include "base/records/CommentRecord.h"
#include "base/records/HighScoreRecord.h"
#include "base/records/OpponentSlot.h"
#include "base/records/PersonalityRecord.h"
#include "base/records/PlayerRecord.h"
#include "base/records/SavedGameRecord.h"
#include "base/records/ScoreRecord.h"

#include <gtest/gtest.h>

#include <string>

using namespace zarle;

namespace {

struct Int16At {
    size_t offset;
    int16_t value;
};

template <size_t N, size_t M>
void ExpectInt16s(const std::array<uint8_t, N>& bytes, const Int16At (&cases)[M]) {
    for (const auto& c : cases) EXPECT_EQ(LoadInt16(&bytes[c.offset]), c.value) << "offset " << c.offset;
}

template <size_t N> std::string TextAt(const std::array<uint8_t, N>& bytes, size_t offset, size_t width) {
    return std::string(reinterpret_cast<const char*>(&bytes[offset]), width);
}

} // namespace

TEST(RecordLayout, OpponentSlotAndAvatarRecord) {
    const OpponentSlot slot{"Zarle", "Zarle.jpg", "Default Personality", 2, 1};
    const auto b = slot.Encode();
    EXPECT_EQ(TextAt(b, 0, 20), "Zarle               ");
    EXPECT_EQ(TextAt(b, 20, 30), "Zarle.jpg                     ");
    EXPECT_EQ(TextAt(b, 50, 100), "Default Personality" + std::string(81, ' '));
    ExpectInt16s(b, {{150, 2}, {152, 1}});
    EXPECT_EQ(OpponentSlot::Decode(b), slot);

    // A new avatar record carries only its name and picture; the rest stays zero.
    const auto fresh = NewAvatarRecord("Björn", "owl.gif");
    EXPECT_EQ(TextAt(fresh, 0, 20), "Bj\xF6rn               ");
    EXPECT_EQ(TextAt(fresh, 20, 30), "owl.gif                       ");
    EXPECT_TRUE(std::all_of(fresh.begin() + 50, fresh.end(), [](uint8_t x) { return x == 0; }));
    EXPECT_EQ(AvatarRecord::Decode(fresh), (AvatarRecord{"Björn", "owl.gif", "", 0, 0}));
}

TEST(RecordLayout, PlayerRecord) {
    PlayerRecord r;
    r.FontColor = 0x00FFFF;
    r.MatColor = 0x008000;
    r.DeckColor = 0xC0E0FF;
    r.NumPlayers = 4;
    r.NumCenters = 3;
    r.TableBack = 7;
    r.BackgroundIdx = 1;
    r.HoldWinTop = 1234;
    r.FontBackdrop = -1;
    r.NoWinAnimation = -1;
    r.SideSizeM1 = 25;
    r.NoWildAce = 1;
    r.BestRuns[1][2] = 9;
    r.BestRuns[3][0] = 5;
    r.Games[0] = 100;
    r.Games[6] = 16;
    r.Wins[0] = 40;
    r.Margin[6] = -300;
    r.Seats[0].Name = "Anna";
    r.Seats[2].Avatar = "cat.jpg";
    r.Seats[3].Level = 2;
    r.Seats[3].SoundSet = 1;

    const auto b = r.Encode();
    EXPECT_EQ(LoadInt32(&b[0]), 0x00FFFF);
    EXPECT_EQ(LoadInt32(&b[4]), 0x008000);
    EXPECT_EQ(LoadInt32(&b[8]), 0xC0E0FF);
    ExpectInt16s(b, {{12, 4},
                     {14, 3},
                     {18, 7},
                     {26, 1},
                     {34, 1234},
                     {36, -1},
                     {46, -1},
                     {48, 25},
                     {54, 1},
                     {56 + 2 * (1 + 4 * 2), 9},
                     {56 + 2 * (3 + 4 * 0), 5},
                     {80, 100},
                     {92, 16},
                     {94, 40},
                     {120, -300},
                     {122 + 3 * 154 + 150, 2},
                     {736, 1}});
    EXPECT_EQ(TextAt(b, 122, 20), "Anna                ");
    EXPECT_EQ(TextAt(b, 122 + 2 * 154 + 20, 7), "cat.jpg");
    EXPECT_EQ(PlayerRecord::Decode(b), r);
}

TEST(RecordLayout, ScoreRecordsShareOneLayout) {
    const auto settings = ScoreRecord{" 16711680", 1, -2, 3, 18}.Encode();
    EXPECT_EQ(TextAt(settings, 0, 20), " 16711680           ");
    ExpectInt16s(settings, {{20, 1}, {22, -2}, {24, 3}, {26, 18}});

    const NetScoreRecord net{"Anna", 12, 7, -40, 5};
    const auto b = net.Encode();
    ExpectInt16s(b, {{20, 12}, {22, 7}, {24, -40}, {26, 5}});
    EXPECT_EQ(NetScoreRecord::Decode(b), net);
    EXPECT_EQ(ScoreRecord::Decode(b), (ScoreRecord{"Anna", 12, 7, -40, 5}));
}

TEST(RecordLayout, HighScoreRecord) {
    const HighScoreRecord r{36526.5, "Zarle", 3, 4, 5, 12};
    const auto b = r.Encode();
    EXPECT_EQ(LoadDouble(&b[0]), 36526.5);
    EXPECT_EQ(TextAt(b, 8, 20), "Zarle               ");
    ExpectInt16s(b, {{28, 3}, {30, 4}, {32, 5}, {34, 12}});
    EXPECT_EQ(HighScoreRecord::Decode(b), r);
}

TEST(RecordLayout, PersonalityRecord) {
    PersonalityRecord r;
    r.Comments[1] = "Hello there";
    r.Comments[35] = "Last line";
    r.Sounds[0][0] = "3";
    r.Sounds[1][0] = "alt.wav";
    r.Sounds[0][15] = "bye.wav";
    r.Sounds[1][15] = "bye2.pmw";
    r.Picture = "Zarle.jpg";

    const auto b = r.Encode();
    EXPECT_EQ(TextAt(b, 0, 100), std::string(100, ' '));
    EXPECT_EQ(TextAt(b, 100, 12), "Hello there ");
    EXPECT_EQ(TextAt(b, 3500, 10), "Last line ");
    EXPECT_EQ(TextAt(b, 3600, 30), "3" + std::string(29, ' '));
    EXPECT_EQ(TextAt(b, 3630, 8), "alt.wav ");
    EXPECT_EQ(TextAt(b, 3600 + 60 * 15, 8), "bye.wav ");
    EXPECT_EQ(TextAt(b, 3630 + 60 * 15, 9), "bye2.pmw ");
    EXPECT_EQ(TextAt(b, 4560, 20), "Zarle.jpg           ");
    EXPECT_EQ(PersonalityRecord::Decode(b), r);
}

TEST(RecordLayout, CommentRecordIsOneBlankPaddedLine) {
    const auto b = CommentRecord{"Nice move!"}.Encode();
    EXPECT_EQ(TextAt(b, 0, 100), "Nice move!" + std::string(90, ' '));
    // Texts are trimmed on reading; a line that starts with a zero byte is empty.
    std::array<uint8_t, 100> line{};
    std::fill(line.begin(), line.end(), ' ');
    std::copy_n("  padded", 8, line.begin());
    EXPECT_EQ(CommentRecord::Decode(line).Text, "padded");
    line[0] = 0;
    EXPECT_EQ(CommentRecord::Decode(line).Text, "");
}

TEST(RecordLayout, SavedGameRecord) {
    SavedGameRecord r;
    r.NoWildAce = -1;
    r.PTurn = 3;
    r.WorkSideCount = 11;
    r.SideCount = 12;
    r.StockCount = 150;
    r.HandCount = 5;
    r.SideSizeM1 = 25;
    r.NumCenters = 4;
    r.NumPlayers = 4;
    r.Deck[1] = {1, 1};
    r.Deck[208] = {208, 13};
    r.UsedCards[2] = {40, 1};
    r.SideCards[26] = {17, 4};
    r.Seats[0].SideCards[1] = {60, 8};
    r.Seats[2].SideCards[26] = {200, 5};
    r.Seats[1].SideCount = 9;
    r.Seats[2].SidePos = 66;
    r.PlayerCards[10] = {13, 13};
    r.Seats[2].Slots[1] = {99, 8};
    r.CenterCards[1][12] = {12, 12};
    r.CenterCards[4][1] = {27, 1};
    r.CenterCount[4] = 7;
    r.Seats[0].HoldCards[1][1] = {30, 4};
    r.Seats[2].HoldCards[4][30] = {150, 7};
    r.HoldCards[1][1] = {5, 5};
    r.HoldCards[4][30] = {6, 6};
    r.HoldCount[4] = 30;
    r.WildSide = 1;
    r.WildHand = 2;
    r.Seats[0].WildSide = 3;
    r.Seats[0].WildHand = 4;
    r.Seats[1].WildSide = 5;
    r.Seats[1].WildHand = 6;
    r.Seats[2].WildSide = 7;
    r.Seats[2].WildHand = 8;
    r.Seats[0].HoldInfo[1][1] = 21;
    r.Seats[2].HoldInfo[4][1] = 22;
    r.Seats[1].HoldInfo[2][2] = 23;
    r.Seats[2].HoldInfo[3][2] = 24;
    r.Name = "Before the storm";

    const auto b = r.Encode();
    ExpectInt16s(b, {
                        {0, -1},
                        {2, 3},
                        {4, 11},
                        {6, 12},
                        {12, 150},
                        {16, 5},
                        {18, 25},
                        {22, 4},
                        {24, 4},
                        {866 + 4, 1},
                        {866 + 4 * 208, 208},
                        {866 + 4 * 208 + 2, 13},
                        {1702 + 8, 40},
                        {2538 + 4 * 26, 17},
                        {2646 + 4, 60},
                        {2862 + 4 * 26 + 2, 5},
                        {2970 + 2, 9},
                        {2976 + 4, 66},
                        {2982 + 40, 13},
                        {3114 + 4, 99},
                        {3158 + 4 + 20 * 12, 12},
                        {3158 + 16 + 20 + 2, 1},
                        {3418 + 8, 7},
                        {3428 + 12 + 60, 30},
                        {3434 + 12 + 60, 4},
                        {3428 + 4 + 48 + 1800, 150},
                        {3434 + 4 + 48 + 1800, 7},
                        {5288 + 4 + 20, 5},
                        {5288 + 16 + 600 + 2, 6},
                        {5998 + 8, 30},
                        {5310, 1},
                        {5330, 2},
                        {5350, 3},
                        {5370, 4},
                        {5390, 5},
                        {5410, 6},
                        {5430, 7},
                        {5450, 8},
                        {5938 + 6, 21},
                        {5938 + 24 + 4, 22},
                        {5968 + 12 + 2, 23},
                        {5972 + 18, 24},
                    });
    EXPECT_EQ(TextAt(b, 6008, 30), "Before the storm              ");
    EXPECT_EQ(SavedGameRecord::Decode(b), r);
}
