#include "network/protocol/WireLine.h"

#include "base/text/VbText.h"

#include <array>

namespace zarle {

namespace {

struct Tag {
    std::string_view Text;
    NetCode Code;
};
// Compared in this order; the first match decides.
constexpr std::array<Tag, 13> Tags{{{"IP", NetHello},
                                    {"NM", NetName},
                                    {"LO", NetLayout},
                                    {"GS", NetNewGame},
                                    {"DK", NetDeck},
                                    {"TR", NetFirstTurn},
                                    {"GO", NetGoodbye},
                                    {"PC", NetPlay},
                                    {"WT", NetStep},
                                    {"OK", NetTurnOver},
                                    {"RC", NetGameState},
                                    {"RS", NetResume},
                                    {"EG", NetEndGame}}};

// Characters first..first+count-1, counted from 1; what lies beyond the line is empty.
std::string_view Mid(std::string_view text, size_t first, size_t count = std::string_view::npos) {
    if (first < 1 || first > text.size()) return {};
    return text.substr(first - 1, count);
}

int ValInt(std::string_view text) {
    return ValInt16(text);
}

void ReadHello(WireLine& w, std::string_view text, bool onRemote) {
    if (text.size() < 4) {
        w.Version = std::string(OldestVersion);
        w.OldHello = true;
        return;
    }
    w.Version = Trim(Mid(text, 6, 1)) + Trim(Mid(text, 9, 1));
    if (!onRemote || !MultiplayerPeer(w.Version)) return;
    const size_t q = text.find('^', 8);
    if (q != std::string_view::npos) w.SeatMode = ValInt(Mid(text, q + 1 + 2));
}

void ReadLayout(WireLine& w, std::string_view text) {
    w.Num1 = ValInt(Mid(text, 4, 2));
    w.SeatMode = ValInt(Mid(text, 7, 2));
    if (w.Num1 != 3 && w.Num1 != 4) return;
    std::string_view rest = Mid(text, 10);
    for (;;) {
        const size_t bar = rest.find('|');
        if (bar == std::string_view::npos) {
            if (!rest.empty()) w.Names.emplace_back(rest);
            return;
        }
        w.Names.emplace_back(rest.substr(0, bar));
        rest.remove_prefix(bar + 1);
    }
}

} // namespace

WireLine ParseWireLine(std::string_view text, bool onRemote) {
    WireLine w;
    const std::string_view tag = text.substr(0, 2);
    for (const Tag& t : Tags) {
        if (t.Text == tag) {
            w.Code = t.Code;
            break;
        }
    }
    switch (w.Code) {
    case NetHello: ReadHello(w, text, onRemote); break;
    case NetName:
    case NetDeck:
    case NetGameState: w.Arg = Trim(Mid(text, 4)); break;
    case NetLayout: ReadLayout(w, text); break;
    case NetFirstTurn: w.Num1 = ValInt(Mid(text, 4, 2)); break;
    case NetPlay: {
        w.Num1 = ValInt(Mid(text, 4, 3));
        const size_t hash = text.find('#');
        if (hash != std::string_view::npos) w.Arg = Trim(text.substr(hash + 1));
        break;
    }
    case NetStep: w.Num1 = ValInt(Mid(text, 4, 1)); break;
    default: break;
    }
    return w;
}

bool ReadWireFlag(std::string_view text) {
    const std::string word = Trim(text);
    return EqualsNoCase(word, "True") || Val(word) != 0;
}

} // namespace zarle
