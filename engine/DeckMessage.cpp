#include "engine/DeckMessage.h"

#include "base/text/VbText.h"

#include <charconv>

namespace zarle {

namespace {

bool ValuesOnly(std::string_view version) {
    return version == OldestVersion;
}
bool SendsRules(std::string_view version) {
    return Val(version) >= Val(FirstRulesVersion);
}

std::optional<int16_t> WholeNumber(std::string_view piece) {
    const std::string trimmed = Trim(piece);
    if (trimmed.empty()) return std::nullopt;
    int value = 0;
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || value < INT16_MIN || value > INT16_MAX) return std::nullopt;
    return static_cast<int16_t>(value);
}

bool ValidSideSize(int sideSizeM1) {
    return sideSizeM1 == 9 || sideSizeM1 == 14 || sideSizeM1 == 19 || sideSizeM1 == 25;
}

} // namespace

std::string DeckMessage(const GameState& s, int count, bool withRules) {
    const std::string_view version = s.PeerVersion;
    std::string text;
    auto add = [&text](int n) { text += Str(n) + "#"; };
    if (!MultiplayerPeer(version)) {
        for (int i = 1; i <= count; ++i) add(s.Deck(1, i));
    }
    if (!ValuesOnly(version)) {
        for (int i = 1; i <= count; ++i) add(s.Deck(0, i));
        if (withRules) {
            add(s.SideSizeM1);
            add(s.ForcedMask);
            add(ToVbBool(s.NoWildAce));
            add(ToVbBool(s.ShuffleApart));
        }
    }
    return "DK " + text;
}

std::optional<std::vector<int16_t>> HashSeparatedNumbers(std::string_view text) {
    std::vector<int16_t> numbers;
    size_t start = 0;
    for (;;) {
        const size_t hash = text.find('#', start);
        const std::string_view piece =
            text.substr(start, hash == std::string_view::npos ? hash : hash - start);
        if (hash == std::string_view::npos) {
            if (!Trim(piece).empty()) {
                const auto n = WholeNumber(piece);
                if (!n) return std::nullopt;
                numbers.push_back(*n);
            }
            return numbers;
        }
        const auto n = WholeNumber(piece);
        if (!n) return std::nullopt;
        numbers.push_back(*n);
        start = hash + 1;
    }
}

std::optional<DeckNumbers> ParseDeckMessage(std::string_view text, std::string_view peerVersion, int count,
                                            bool withRules, int deckSize) {
    const auto numbers = HashSeparatedNumbers(text);
    if (!numbers || count < 0) return std::nullopt;
    const bool withValues = !MultiplayerPeer(peerVersion);
    const bool withIds = !ValuesOnly(peerVersion);
    const size_t cardNumbers = static_cast<size_t>(count) * ((withValues ? 1 : 0) + (withIds ? 1 : 0));
    if (numbers->size() < cardNumbers) return std::nullopt;
    const size_t extra = numbers->size() - cardNumbers;
    const bool readRules = withRules && withIds && SendsRules(peerVersion);
    if (readRules ? (extra < 3 || extra > 4) : extra > (withRules && withIds ? 4u : 0u)) return std::nullopt;

    DeckNumbers deck;
    deck.Cards.resize(static_cast<size_t>(count));
    std::vector<bool> seen(static_cast<size_t>(deckSize) + 1, false);
    const size_t idsAt = withValues ? static_cast<size_t>(count) : 0;
    for (size_t i = 0; i < deck.Cards.size(); ++i) {
        const int16_t value = withValues ? (*numbers)[i] : 0;
        if (withValues && (value < 1 || value > 13)) return std::nullopt;
        if (!withIds) {
            deck.Cards[i] = CardRec{value, value};
            continue;
        }
        const int16_t id = (*numbers)[idsAt + i];
        if (id < 1 || id > deckSize || seen[id]) return std::nullopt;
        seen[id] = true;
        if (withValues && value != CardRank(id)) return std::nullopt;
        deck.Cards[i] = CardOfId(id);
    }
    if (readRules) {
        const auto* rules = numbers->data() + cardNumbers;
        if (!ValidSideSize(rules[0]) || rules[1] < 0 || rules[1] > 7) return std::nullopt;
        deck.HasRules = true;
        deck.SideSizeM1 = rules[0];
        deck.ForcedMask = rules[1];
        deck.NoWildAce = rules[2] != 0;
        deck.HasShuffleApart = extra == 4;
        deck.ShuffleApart = extra == 4 && rules[3] != 0;
    }
    return deck;
}

} // namespace zarle
