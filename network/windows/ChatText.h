#pragma once
// The texts of chat lines: cleaning what is typed, the emoticon shortcuts and the checks on names of
// sounds and pictures that peers send.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zarle {

// Typed text without line breaks and control characters, trimmed: it can never become a second
// protocol line.
std::string CleanTyped(std::string_view text);

struct ShortCut {
    std::string Text;    // the text without the three characters of the emoticon
    std::string Picture; // the picture chosen, "" when none applies
};

// The first emoticon rule that applies (for peers at "81" and above); the text unchanged otherwise.
ShortCut ShortCutCheck(std::string_view text, std::string_view peerVersion);

// The file a peer's sound or picture name stands for in `folder`, trying each ending in turn;
// nothing for a name that is no bare file name or not there.
std::optional<std::filesystem::path> PeerMediaFile(const std::filesystem::path& folder, std::string_view name,
                                                   std::initializer_list<std::string_view> endings);

} // namespace zarle
