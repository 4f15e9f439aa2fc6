// Receiving chat lines: logged, shown and heard; slaps, sounds and pictures only when they name
// files that are there; the quit notice, the busy refusal, peeking and the host's relay.

#include "tests/network/windows/ChatFixture.h"

namespace zarle::testing {
namespace {

class ChatReceiveTest : public ChatTest {
  protected:
    void Receive(std::string_view line, int index = 1) { receiver.ChatLine(line, index); }
};

TEST_F(ChatReceiveTest, AChatLineIsLoggedShownAndHeard) {
    Receive("SY  3#Bob: hi");
    EXPECT_EQ(chatLog.Text(), "\r\nBob: hi");
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"Sound 110", "Label9(2) \"hi\""})) << log.Dump();
    EXPECT_EQ(receiver.ChatSeqIn(), 3);
    EXPECT_TRUE(link.Lines.empty()) << "a remote side never relays";

    link.Versions[1] = "74";
    Receive("SY  4#Bob: hi");
    EXPECT_EQ(chatLog.Text(), "\r\nBob: hi\r\nBob: Bob: hi");
}

TEST_F(ChatReceiveTest, SystemLinesSlapsAndTheDeveloperWord) {
    link.Versions[1] = "74";
    Receive("SY  1#$-ZARLE: Carol joined");
    Receive("SY  2#DODUV");
    Receive("SY  3#<slap>");
    Receive("SY  4#<SLAP> me");
    Receive("SY  5#<smack>whatever");
    EXPECT_EQ(chatLog.Text(), "\r\nZARLE: Carol joined\r\nBob: <SLAP> me");
    EXPECT_EQ(log.Lines(),
              (std::vector<std::string>{"Label9(2) \"ZARLE: Carol joined\"", "Sound 108", "AnimateCardsFlow",
                                        "AvatarSlap", "Label9(2) \"sent SLAP!\"", "Sound 110",
                                        "Label9(2) \"<SLAP> me\"", "AvatarSlap", "Label9(2) \"sent SLAP!\""}))
        << log.Dump();

    link.Versions[1] = "82";
    chatLog.Set("");
    Receive("SY  6#$-ZARLE: Dave left");
    EXPECT_EQ(chatLog.Text(), "\r\nZARLE: Dave left");
    EXPECT_TRUE(log.Has("Sound 108"));
}

TEST_F(ChatReceiveTest, SoundsAndPicturesMustBeBareNamesOfFilesThatAreThere) {
    Touch("Sounds/HelloVova.pmw");
    Touch("Sounds/ding.wav");
    Touch("Icons/Wink.jpg");
    Touch("Icons/Cool.gif");
    Touch("Data/secret.wav");
    for (const char* line :
         {"SY  1#Bob: WAV HelloVova.pmw", "SY  2#Bob: WAV ../Data/secret.wav", "SY  3#Bob: WAV /etc/passwd",
          "SY  4#Bob: WAV missing.wav", "SY  5#Bob: ICO Wink!hey", "SY  6#Bob: ICO ../Icons/Cool!x",
          "SY  7#Bob: ICO Cool!"})
        Receive(line);
    link.Versions[1] = "74";
    Receive("SY  8#WAV ding");
    EXPECT_EQ(log.Starting({"SoundFile", "Picture"}),
              (std::vector<std::string>{"SoundFile " + Quoted(Under("Sounds/HelloVova.pmw")),
                                        "Picture " + Quoted(Under("Icons/Wink.jpg")),
                                        "Picture " + Quoted(Under("Icons/Cool.gif")),
                                        "SoundFile " + Quoted(Under("Sounds/ding.wav"))}));
    EXPECT_TRUE(log.Has("Label9(2) \"Sound from Bob: HelloVova\""));
    EXPECT_EQ(chatLog.Text(), "\r\nBob: PIC <Wink> hey\r\nBob: x\r\nBob: PIC <Cool> ");
}

TEST_F(ChatReceiveTest, HostileCountersNamesAndTextsAreHandledQuietly) {
    Receive("SY no counter");
    Receive("SY  99999999#Bob: big");
    EXPECT_EQ(receiver.ChatSeqIn(), 32767);
    Receive("SY  -99999999#B|o\x01"
            "b: x");
    EXPECT_EQ(receiver.ChatSeqIn(), -32768);
    EXPECT_TRUE(chatLog.Text().ends_with("\r\nBob: x")) << "the name was cleaned";
    Receive("SY  abc#" + std::string(100000, 'z'));
    EXPECT_EQ(receiver.ChatSeqIn(), 0);
    EXPECT_EQ(log.Lines().back(), "Label9(2) \"" + std::string(ChatLogKept, 'z') + "\"")
        << "cut to what the log keeps";
    Receive("SY  5#Bob: a\x1b[2Jb");
    EXPECT_TRUE(log.Starting({"MsgBox"}).empty()) << log.Dump();
    EXPECT_LE(chatLog.Text().size(), ChatLogLimit);
    EXPECT_TRUE(chatLog.Text().ends_with("\r\nBob: a[2Jb"));
}

TEST_F(ChatReceiveTest, AQuitNoticeAsksToSaveTheGameOnARemoteSide) {
    Receive("SY  7#Bob Quit!^");
    EXPECT_EQ(chatLog.Text(), "\r\nBob Quit!");
    EXPECT_EQ(log.Lines().back(), "AskSaveEndedGame");
    EXPECT_TRUE(log.Has("Wait 0.02"));

    log.Clear();
    link.Host = true;
    link.Remotes = 2;
    Receive("SY  8#Bob Quit!^", 2);
    EXPECT_FALSE(log.Has("AskSaveEndedGame"));
    EXPECT_EQ(link.Lines, (std::vector<FakeLink::Sent>{{-2, "SY  1#Bob Quit!"}}));
}

TEST_F(ChatReceiveTest, TheHostRelaysUnderItsOwnCounterOnlyWithTwoOrMoreRemotes) {
    link.Host = true;
    s.ChatSeqOut = 4;
    Receive("SY  3#Bob: hi");
    EXPECT_TRUE(link.Lines.empty());
    link.Remotes = 2;
    Receive("SY  3#Bob: ICO Wink!hi", 1);
    Receive("SY  4#Carol: WAV ding.wav", 2);
    EXPECT_EQ(link.Lines,
              (std::vector<FakeLink::Sent>{{-1, "SY  5#Bob: hi"}, {-2, "SY  6#Carol: WAV ding.wav"}}));
}

TEST_F(ChatReceiveTest, ABusyHostRefusesTheJoin) {
    link.Versions[1] = "";
    s.NetState = NetNewGame;
    Receive("SY  1#$-ZARLE: So you want to play with us? Sorry I'm busy!");
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{
                               "MsgBox \"You cannot join this game. The host is playing someone else.\" 16 "
                               "\"Impossible\" -> 1",
                               "NetCleanUp"}))
        << log.Dump();
    EXPECT_EQ(s.NetState, NetNone);
    EXPECT_EQ(receiver.ChatSeqIn(), 0);
}

TEST_F(ChatReceiveTest, PeekNotices) {
    Receive("PK  True");
    EXPECT_TRUE(s.OpponentPeeking);
    Receive("PK False");
    EXPECT_FALSE(s.OpponentPeeking);
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"Sound 105", "LabelPeek \"Opponent is PEEKING!\"",
                                                     "LabelPeek \"Opponent is not peeking now.\""}));
}

} // namespace
} // namespace zarle::testing
