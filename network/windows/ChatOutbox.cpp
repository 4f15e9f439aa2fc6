#include "network/windows/ChatOutbox.h"

#include "network/windows/ChatText.h"
#include "engine/Saturating.h"
#include "base/text/VbText.h"

#include <filesystem>

namespace zarle {

namespace {

bool StartsNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

} // namespace

std::string ChatCounter(int16_t n) {
    return Str(n);
}

std::string ChatOutbox::OldestPeerVersion() const {
    const int peers = c_.Link.Hosting() ? c_.Link.RemoteCount() : 1;
    std::string oldest;
    for (int i = 1; i <= peers; ++i) {
        const std::string v = c_.Link.PeerVersion(i);
        if (i == 1 || v < oldest) oldest = v;
    }
    return oldest;
}

std::string ChatOutbox::LineFor(const std::string& version, const std::string& body,
                                const ChatDraft& draft) const {
    std::string line = body;
    if (MultiplayerPeer(version)) {
        if (StartsNoCase(draft.Input, "WAV ")) line = "WAV " + draft.SoundFile;
        line = c_.Game.PlayerName + ": " + line;
    }
    return "SY " + ChatCounter(c_.Game.ChatSeqOut) + "#" + line;
}

ChatSent ChatOutbox::Send(ChatDraft draft) {
    draft.Input = CleanTyped(draft.Input);
    if (draft.Input.empty() && draft.Picture.empty()) return ChatSent::Nothing;
    const std::string oldest = OldestPeerVersion();
    auto shortcut = ShortCutCheck(draft.Input, oldest);
    if (!shortcut.Picture.empty()) draft.Picture = shortcut.Picture;
    std::string body = shortcut.Text;
    AddSaturating(c_.Game.ChatSeqOut, 1);
    if (!draft.Picture.empty()) {
        body = "ICO " + draft.Picture + "!" + body;
        draft.Input = "PIC <" + draft.Picture + "> " + draft.Input;
    }
    if (body == "<SLAP>") body = "<SMACK>";

    if (c_.Link.Hosting()) {
        for (int i = 1; i <= c_.Link.RemoteCount(); ++i)
            c_.Link.SendTo(i, LineFor(c_.Link.PeerVersion(i), body, draft));
    } else {
        c_.Link.SendTo(1, LineFor(c_.Link.PeerVersion(1), body, draft));
    }
    if (c_.Game.NetMode == 0) return ChatSent::NoGame;
    c_.Log.AddLine(Echo(draft, oldest));
    return ChatSent::Sent;
}

std::string ChatOutbox::Echo(const ChatDraft& draft, const std::string& version) {
    const std::string& input = draft.Input;
    if (StartsNoCase(input, "WAV ")) {
        std::string notice;
        if (version < "62") {
            notice = "\r\n>>> " + c_.Game.OppName1 +
                     " can't hear the sound you are playing. Feature only works with v.7+";
        } else if (draft.SoundFile.size() >= 3 &&
                   EqualsNoCase(draft.SoundFile.substr(draft.SoundFile.size() - 3), "PMW") &&
                   !MultiplayerPeer(version)) {
            notice =
                "\r\n>>> " + c_.Game.OppName1 +
                " can't hear the sound you are playing. This personality's sound is only available in the "
                "Multiplayer Edition.";
        }
        c_.Sound.PlayFile((std::filesystem::path(c_.Game.AppPath) / "Sounds" / draft.SoundFile).string(),
                          SoundPlay::Async);
        return "Sent: WAV " + Trim(input.substr(4)) + notice;
    }
    if (StartsNoCase(input, "<SMACK>")) {
        c_.Board.AvatarSlap();
        return "Sent: Smack Slap! (Ouch!) ";
    }
    if (StartsNoCase(input, "<SLAP>")) return "Sent: You slapped your opponent! ";
    return c_.Game.PlayerName + ": " + input;
}

} // namespace zarle
