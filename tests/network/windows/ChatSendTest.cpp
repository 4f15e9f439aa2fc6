// Sending chat lines: the line each peer gets for its version, the sender's own log, and typed
// text that cannot break out of its line.

#include "tests/network/windows/ChatFixture.h"
#include "network/windows/ChatText.h"

namespace zarle::testing {
namespace {

using ChatSendTest = ChatTest;

TEST_F(ChatSendTest, TheLineSentDependsOnThePeersVersion) {
    struct Case {
        std::string version, input, sent, echo;
    };
    const std::vector<Case> cases{
        {"82", "hello", "SY  1#Alice: hello", "Alice: hello"},
        {"74", "hello", "SY  1#hello", "Alice: hello"},
        {"81", ";-) hi", "SY  1#Alice: ICO Wink! hi", "Alice: PIC <Wink> ;-) hi"},
        {"80", ";-) hi", "SY  1#Alice: ;-) hi", "Alice: ;-) hi"},
        {"82", "at 10:30 we go :-D", "SY  1#Alice: at 10:30 we go :-D", "Alice: at 10:30 we go :-D"},
        {"82", "so >:O", "SY  1#Alice: ICO Angry!so ", "Alice: PIC <Angry> so >:O"},
        {"82", "well :'( bye", "SY  1#Alice: ICO Crying!well  bye", "Alice: PIC <Crying> well :'( bye"},
        {"82", "<SLAP>", "SY  1#Alice: <SMACK>", "Sent: You slapped your opponent! "},
        {"74", "<SLAP>", "SY  1#<SMACK>", "Sent: You slapped your opponent! "},
        {"82", "  two\r\nSY  9#lines\x07  ", "SY  1#Alice: twoSY  9#lines", "Alice: twoSY  9#lines"},
    };
    for (const auto& c : cases) {
        link.Lines.clear();
        link.Versions[1] = c.version;
        s.ChatSeqOut = 0;
        chatLog.Set("");
        EXPECT_EQ(outbox.Send({c.input, "", ""}), ChatSent::Sent);
        ASSERT_EQ(link.Lines.size(), 1u) << c.input;
        EXPECT_EQ(link.Lines[0], (FakeLink::Sent{1, c.sent})) << c.version << " " << c.input;
        EXPECT_EQ(chatLog.Text(), "\r\n" + c.echo) << c.version << " " << c.input;
    }
    EXPECT_EQ(outbox.Send({" \r\n ", "", ""}), ChatSent::Nothing);
    EXPECT_EQ(link.Lines.size(), 1u);
}

TEST_F(ChatSendTest, SoundsPicturesAndSmacksAsEachPeerHearsThem) {
    link.Versions[1] = "82";
    outbox.Send({"WAV Hello", "", "HelloVova.pmw"});
    outbox.Send({"", "Cool", ""});
    outbox.Send({"<SMACK>", "", ""});
    link.Versions[1] = "74";
    outbox.Send({"WAV Hello", "", "HelloVova.pmw"});
    link.Versions[1] = "60";
    outbox.Send({"WAV ding", "", "ding.wav"});
    std::vector<std::string> sent;
    for (const auto& l : link.Lines) sent.push_back(l.Line);
    EXPECT_EQ(sent, (std::vector<std::string>{"SY  1#Alice: WAV HelloVova.pmw", "SY  2#Alice: ICO Cool!",
                                              "SY  3#Alice: <SMACK>", "SY  4#WAV Hello", "SY  5#WAV ding"}));
    EXPECT_EQ(
        chatLog.Text(),
        "\r\nSent: WAV Hello\r\nAlice: PIC <Cool> \r\nSent: Smack Slap! (Ouch!) \r\nSent: WAV Hello"
        "\r\n>>> Bob can't hear the sound you are playing. This personality's sound is only available in the "
        "Multiplayer Edition.\r\nSent: WAV ding\r\n>>> Bob can't hear the sound you are playing. Feature "
        "only "
        "works with v.7+");
    EXPECT_EQ(log.Starting({"SoundFile", "AvatarSlap"}),
              (std::vector<std::string>{"SoundFile " + Quoted(Under("Sounds/HelloVova.pmw")), "AvatarSlap",
                                        "SoundFile " + Quoted(Under("Sounds/HelloVova.pmw")),
                                        "SoundFile " + Quoted(Under("Sounds/ding.wav"))}));
}

TEST_F(ChatSendTest, AHostSendsToEveryRemoteInItsFormAndNoGameClosesTheWindow) {
    link.Host = true;
    link.Remotes = 2;
    link.Versions = {{1, "82"}, {2, "74"}};
    s.ChatSeqOut = 32767; // the counter stays in 16 bits
    outbox.Send({"hi", "", ""});
    EXPECT_EQ(link.Lines, (std::vector<FakeLink::Sent>{{1, "SY  32767#Alice: hi"}, {2, "SY  32767#hi"}}));

    s.NetMode = 0;
    chatLog.Set("");
    EXPECT_EQ(outbox.Send({"bye", "", ""}), ChatSent::NoGame);
    EXPECT_EQ(chatLog.Text(), "");
}

TEST_F(ChatSendTest, TheLogKeepsItsLast3700CharactersOncePast4000) {
    chatLog.Set(std::string(3980, 'a'));
    outbox.Send({"hello", "", ""});
    EXPECT_EQ(chatLog.Text().size(), 3994u) << "not past 4000 yet";
    outbox.Send({"0123456789", "", ""});
    EXPECT_EQ(chatLog.Text().size(), 3700u);
    EXPECT_TRUE(chatLog.Text().ends_with("\r\nAlice: 0123456789"));
}

} // namespace
} // namespace zarle::testing
