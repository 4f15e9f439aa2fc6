// Applying a profile: repairs of damaged records, the order of the board's work, the hidden-cards
// window's place and the table background.

#include "base/records/ByteOrder.h"
#include "tests/persistence/profiles/ProfileFixture.h"
#include "base/text/VbText.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

constexpr size_t Rec = PlayerRecord::Size;

TEST_F(ProfilesTest, DamagedProfileValuesAreRepairedAndWrittenBack) {
    struct Case {
        const char* field;
        size_t offset;
        int16_t bad;
        int16_t repaired;
    };
    const Case cases[] = {
        {"NumPlayers 0", 12, 0, 2},     {"NumPlayers 9", 12, 9, 2},
        {"NumCenters 0", 14, 0, 3},     {"MsgFontSize 0", 16, 0, 12},
        {"MsgFontSize 49", 16, 49, 12}, {"MsgFontSize 48 kept", 16, 48, 48},
        {"SpeedLevel -4", 20, -4, 2},   {"AnimSpeed 0", 22, 0, 45},
        {"AnimSpeed -7", 22, -7, 45},   {"SoundLevel 5", 24, 5, 0},
        {"BackgroundIdx 3", 26, 3, 0},  {"CardStyle 0", 28, 0, 6},
        {"CardStyle 99", 28, 99, 6},    {"BackDesign 40", 30, 40, 1},
        {"SideSizeM1 0", 48, 0, 19},    {"SideSizeM1 30", 48, 30, 19},
        {"ForcedMask 200", 50, 200, 0}, {"opponent's level", 122 + 154 + 150, 12, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        WritePlayers({Header("Ann"), Player("Ann")});
        auto bytes = PlayersBytes();
        StoreInt16(bytes.data() + Rec + c.offset, c.bad);
        WriteBytes(Root() / "Data/Players.sav", bytes);
        profiles.Get_Players();
        EXPECT_EQ(Int16At(PlayersBytes(), Rec, 2, c.offset), c.repaired);
        EXPECT_TRUE(state.NumPlayers >= 2 && state.NumPlayers <= 4);
        EXPECT_TRUE(state.CardStyle >= 1 && state.CardStyle <= 8);
        EXPECT_GT(profile.AnimSpeed, 0);
    }
}

TEST_F(ProfilesTest, ThreePlayersAlwaysPlayOnFourCenters) {
    PlayerRecord ann = Player("Ann");
    ann.NumPlayers = 3;
    ann.NumCenters = 3;
    WritePlayers({Header("Ann"), ann});
    profiles.Get_Players();
    EXPECT_EQ(state.NumCenters, 4);
    EXPECT_EQ(StoredPlayer(2).NumCenters, 4);
}

TEST_F(ProfilesTest, AnEmptyOrCutShortPlayerFileStartsFromTheDefaults) {
    for (size_t size : {size_t{0}, size_t{100}, Rec}) {
        SCOPED_TRACE(size);
        WriteBytes(Root() / "Data/Players.sav", std::vector<uint8_t>(size, 0));
        FreshState();
        profiles.Get_Players();
        EXPECT_EQ(profile.PlayerRecNo, 1);
        EXPECT_TRUE(profile.PlayerNames.empty());
        const auto bytes = PlayersBytes();
        ASSERT_EQ(bytes.size(), Rec) << "the repaired header is written back";
        EXPECT_EQ(Int16At(bytes, Rec, 1, 12), 2);
        EXPECT_EQ(Int16At(bytes, Rec, 1, 14), 3);
        EXPECT_EQ(Int16At(bytes, Rec, 1, 22), 45);
        EXPECT_EQ(Int16At(bytes, Rec, 1, 24), 0);  // all sounds
        EXPECT_EQ(Int16At(bytes, Rec, 1, 28), 6);  // the built-in faces
        EXPECT_EQ(Int16At(bytes, Rec, 1, 30), 0);  // the plain back
        EXPECT_EQ(Int16At(bytes, Rec, 1, 42), -1); // AutoSave
        EXPECT_EQ(Int16At(bytes, Rec, 1, 48), 19);
        EXPECT_EQ(state.SideSizeM1, 19);
        EXPECT_EQ(state.DeckColor, 0xC0E0FFu);
    }
}

TEST_F(ProfilesTest, MissingOrUnsafePlayerFilesAreDropped) {
    Touch("users/Mine.cmt");
    Touch("Avatars/Me.jpg");
    struct Case {
        std::string comments, avatar, storedComments, avatarInForce;
    };
    const Case cases[] = {
        {"Mine", "Me.jpg", "Mine", "Me.jpg"},
        {"Gone", "Gone.jpg", "Default Personality", ""},
        {"No Comments", "../Data/Players.sav", "No Comments", ""},
        {"../users/Mine", "/etc/hostname", "Default Personality", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.comments);
        PlayerRecord ann = Player("Ann");
        ann.Seats[0].Comments = c.comments;
        ann.Seats[0].Avatar = c.avatar;
        WritePlayers({Header("Ann"), ann});
        profiles.Get_Players();
        EXPECT_EQ(TextAt(PlayersBytes(), Rec, 2, 122 + 50, 100), c.storedComments);
        EXPECT_EQ(state.AvatarFile, c.avatarInForce);
    }
}

TEST_F(ProfilesTest, StartUpAppliesTheProfileInOrder) {
    PlayerRecord ann = Player("Ann");
    ann.NumPlayers = 3;
    ann.NumCenters = 4;
    ann.Seats[1] = {"Vova", "Vova.jpg", "Default Personality", 2, 0};
    WritePlayers({Header("Ann"), ann});
    state.StartingUp = true;

    profiles.Get_Players();

    const std::vector<std::string> expected{"PlayFile IntroB.wav",
                                            "Wait 0.75",
                                            "SetPlainBackColor 12640511",
                                            "Show ImgAvatar",
                                            "TempMoves_Open True",
                                            "SetCardSizePics",
                                            "LoadCardSkin",
                                            "GetCardBacks 1",
                                            "ApplyTableLook",
                                            "CreateFrames",
                                            "LoadOpponentSeat 1 Vova",
                                            "Caption Label9(4) Vova",
                                            "LoadOpponentSeat 2 Zarle",
                                            "LoadOpponentSeat 3 Zarle",
                                            "Caption lblLevel Ruthless",
                                            "RulesRefresh",
                                            "ChangeBestRun",
                                            "LayoutStandard",
                                            "LayoutMulti",
                                            "Hide Picture2(1)",
                                            "Hide Picture2(2)",
                                            "Hide Picture2(3)",
                                            "Hide Picture2(4)",
                                            "Hide Picture2(5)",
                                            "Hide Picture2(6)",
                                            "NameCaptions",
                                            "GetImgHoldpic"};
    EXPECT_EQ(host.Log, expected);
    EXPECT_TRUE(state.PeekOn) << "the status bar waits for the finished board";
    EXPECT_EQ(state.DeckSize, 156);
    EXPECT_EQ(state.OppName1, "Vova");
    EXPECT_TRUE(profile.BoardLaidOut);

    // A later profile with other counts re-lays the board from the counts before it.
    host.Log.clear();
    state.StartingUp = false;
    RecordFile players = profiles.OpenPlayerFile();
    profiles.Get_Preferences(players, 1);
    EXPECT_TRUE(host.Logged("ChangeLayout 3 4"));
    EXPECT_TRUE(host.Logged("ClearBoard"));
    EXPECT_TRUE(host.Logged("Show StatusBar1"));
    EXPECT_TRUE(host.Lines("LayoutStandard").empty());
    EXPECT_TRUE(host.Lines("PlayFile").empty());
}

TEST_F(ProfilesTest, TheHiddenCardsWindowKeepsOnlyAPlaceOnTheBoard) {
    struct Case {
        int16_t left, top;
        bool kept;
    };
    state.ScreenTwips = 15360;
    host.BoardHeight = 9000;
    const Case cases[] = {{2000, 3000, true},  {100, 100, false},   {15360, 3000, false},
                          {2000, 9000, false}, {-300, 3000, false}, {2000, -1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
        PlayerRecord ann = Player("Ann");
        ann.HoldWinLeft = c.left;
        ann.HoldWinTop = c.top;
        WritePlayers({Header("Ann"), ann});
        profiles.Get_Players();
        EXPECT_EQ(profile.HoldWinLeft, c.kept ? c.left : host.HoldDefault.Left);
        EXPECT_EQ(profile.HoldWinTop, c.kept ? c.top : host.HoldDefault.Top);
    }
}

TEST_F(ProfilesTest, TheTableBackgroundAndPaceFollowThePreferences) {
    Touch("backgrounds/marble.jpg");
    Touch("backgrounds/tile_wood.jpg");
    profiles.ReadBacks();
    ASSERT_EQ(profile.BackCount, 2);
    struct Case {
        int16_t tableBack;
        int32_t colorBits;
        int16_t speedLevel;
        int16_t backIdx;
        float moveDelay;
        bool painted;
    };
    const Case cases[] = {
        {0, 24, 0, 2, 0.9f, true},  // the wood tiles by default
        {1, 24, 3, 1, 0.2f, true},  // a listed background
        {3, 24, 5, 3, 0.0f, false}, // past the list: the plain colour
        {0, 8, 1, 3, 0.6f, false},  // few colours: plain
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tableBack);
        host.Log.clear();
        profile.TableBack = c.tableBack;
        profile.BitsPerPixel = c.colorBits;
        profile.SpeedLevel = c.speedLevel;
        profiles.ChangePreferences();
        EXPECT_EQ(profile.BackIdx, c.backIdx);
        EXPECT_FLOAT_EQ(state.MoveDelay, c.moveDelay);
        EXPECT_EQ(host.Logged("BackgroundPaint"), c.painted);
        EXPECT_EQ(host.Logged("ClearBackgroundPicture"), c.backIdx == 3);
        EXPECT_TRUE(host.Logged("Redraw"));
    }
}

} // namespace
} // namespace zarle::testing
