#include "network/windows/ChatReceiver.h"

#include "network/windows/ChatText.h"
#include "network/scores/PeerName.h"
#include "engine/Saturating.h"
#include "base/text/VbText.h"

#include <filesystem>

namespace zarle {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view SystemPrefix = "$-ZARLE:";
constexpr std::string_view BusyText = "ZARLE: So you want to play with us? Sorry I'm busy!";
constexpr std::string_view QuitMark = "Quit!^";

bool StartsNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    for (size_t at = 0; at + part.size() <= text.size(); ++at)
        if (EqualsNoCase(text.substr(at, part.size()), part)) return true;
    return false;
}

// Control characters never reach the log or the board.
std::string Printable(std::string_view text) {
    std::string kept;
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 32 && c != 127) kept += c;
    return kept;
}

} // namespace

void ChatReceiver::ChatLine(std::string_view line, int index) {
    c_.Board.ShowChatPicture("");
    if (line.starts_with("SY")) {
        const size_t hash = line.find('#');
        if (hash == std::string_view::npos || hash < 3) return; // no counter: not a chat line
        const int16_t counter = Saturate16(static_cast<long long>(Val(line.substr(3, hash - 3))));
        // No chat line is longer than the log keeps: a flood is neither shown nor passed on whole.
        std::string text = Printable(Trim(line.substr(hash + 1)));
        if (text.size() > ChatLogKept) {
            size_t cut = ChatLogKept;
            while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
            text.erase(cut);
        }
        ChatText(std::move(text), counter, index);
    } else if (line.starts_with("PK")) {
        Peek(Trim(line.substr(2)) == "True");
    }
}

void ChatReceiver::SystemLine(std::string_view text) {
    c_.Log.AddLine(Printable(text));
}

void ChatReceiver::ChatText(std::string text, int16_t counter, int index) {
    const std::string version = c_.Link.PeerVersion(index);
    if (MultiplayerPeer(version)) {
        sender_.clear();
        if (const size_t colon = text.find(':'); colon != std::string::npos) {
            sender_ =
                text.starts_with(SystemPrefix) ? "ZARLE: " : CleanPeerName(text.substr(0, colon)) + ": ";
            text = Trim(text.substr(std::min(colon + 2, text.size())));
        }
    }
    const fs::path sounds = fs::path(c_.Game.AppPath) / "Sounds";
    if (StartsNoCase(text, SystemPrefix)) {
        const std::string shown = text.substr(2);
        if (BusyRefusal(shown, version)) return;
        c_.Log.AddLine(shown);
        c_.Board.ShowChatText(shown);
        c_.Sound.PlayResource(SystemLineSound, SoundPlay::Async);
    } else if (text.starts_with("DODUV")) {
        c_.Board.AnimateCardsFlow();
    } else if (StartsNoCase(text, "WAV ")) {
        const std::string name = text.substr(4);
        const bool withEnding = MultiplayerPeer(version);
        const std::string shownName = withEnding && name.size() >= 4 ? name.substr(0, name.size() - 4) : name;
        c_.Board.ShowChatText("Sound from " + sender_ + shownName);
        const auto file =
            withEnding ? PeerMediaFile(sounds, name, {""}) : PeerMediaFile(sounds, name, {".wav"});
        const bool soundFile = file && (EqualsNoCase(file->extension().string(), ".wav") ||
                                        EqualsNoCase(file->extension().string(), ".pmw"));
        if (soundFile) c_.Sound.PlayFile(file->string(), SoundPlay::Async);
    } else if (StartsNoCase(text, "<SMACK>") || EqualsNoCase(text, "<SLAP>")) {
        c_.Board.AvatarSlap();
        c_.Board.ShowChatText(sender_ + "sent SLAP!");
    } else if (!OrdinaryLine(text, version)) {
        return;
    }
    seqIn_ = counter;
    if (c_.Link.Hosting() && c_.Link.RemoteCount() >= 2) {
        AddSaturating(c_.Game.ChatSeqOut, 1);
        c_.Link.SendToAll("SY " + ChatCounter(c_.Game.ChatSeqOut) + "#" + sender_ + text, index);
    }
}

bool ChatReceiver::OrdinaryLine(std::string& text, const std::string& version) {
    std::string picture;
    if (text.starts_with("ICO ")) {
        const size_t bang = text.find('!');
        const std::string name = text.substr(4, bang == std::string::npos ? std::string::npos : bang - 4);
        text = bang == std::string::npos ? std::string() : text.substr(bang + 1);
        if (const auto file = PeerMediaFile(fs::path(c_.Game.AppPath) / "Icons", name, {".gif", ".jpg"});
            file && c_.Board.ShowChatPicture(file->string()))
            picture = "PIC <" + name + "> ";
    }
    bool quit = false;
    if (MultiplayerPeer(version)) {
        if (text.ends_with(QuitMark)) {
            text.pop_back();
            quit = !c_.Link.Hosting();
        }
        c_.Log.AddLine(sender_ + picture + text);
    } else {
        c_.Log.AddLine(c_.Game.OppName1 + ": " + text);
    }
    c_.Sound.PlayResource(sender_ == "ZARLE: " ? SystemLineSound : ChatLineSound, SoundPlay::Async);
    c_.Board.ShowChatText(text);
    if (BusyRefusal(text, version)) return false;
    if (quit) {
        c_.Waits.Wait(0.02f);
        c_.Board.AskSaveEndedGame();
    }
    return true;
}

// A host that plays with someone else answers a join with its busy line: the join is refused.
bool ChatReceiver::BusyRefusal(const std::string& text, const std::string& version) {
    if (!version.empty() || c_.Link.Hosting() || !ContainsNoCase(text, BusyText)) return false;
    c_.Box.MsgBox("You cannot join this game. The host is playing someone else.", MbCritical, "Impossible");
    c_.Board.NetCleanUp();
    c_.Game.NetState = NetNone;
    return true;
}

void ChatReceiver::Peek(bool peeking) {
    if (peeking) c_.Sound.PlayResource(PeekSound, SoundPlay::Async);
    c_.Board.ShowPeekNotice(peeking ? "Opponent is PEEKING!" : "Opponent is not peeking now.");
    c_.Game.OpponentPeeking = peeking;
}

} // namespace zarle
