#pragma once
// Where each generated picture lives in the compiled-in resources. The generator writes the files
// under these names and the picture code reads them back, so both sides take them from here.

#include <array>
#include <string>

namespace zarle::art {

inline std::string Numbered(const char* stem, int n, const char* suffix = "") {
    return std::string(stem) + std::to_string(n) + suffix + ".png";
}

// Face sheets of styles 6..8.
inline std::string FaceSheet(int style) {
    return Numbered(":/cards/faces", style);
}

// One picture per rank (1..13) of rank style 1..5, large or small.
inline std::string RankPicture(int style, int rank, bool small) {
    std::string r = (rank < 10 ? "0" : "") + std::to_string(rank);
    return ":/cards/rank" + std::to_string(style) + "_" + r + (small ? "_small" : "") + ".png";
}

// Back design by the component's 0-based index, large or small.
inline std::string Back(int index, bool small) {
    return Numbered(":/cards/back", index, small ? "_small" : "");
}

// The plain back: a pattern on a transparent ground, so the deck colour shows through.
inline const std::string PlainBack = ":/cards/plainback.png";

// Empty-pile pictures and table pictures of skin 0 (wood) and 1 (metal).
inline std::string EmptyPile(int skin, bool small) {
    return Numbered(":/cards/empty", skin, small ? "_small" : "");
}
inline std::string TableSkin(int skin) {
    return Numbered(":/skins/table", skin);
}
// The menu strip with its four titles, and the drop-down menu's title picture.
inline std::string MenuBanner(int skin) {
    return Numbered(":/skins/banner", skin);
}
inline std::string MenuTitle(int skin) {
    return Numbered(":/skins/menutitle", skin);
}

// Turn markers: 1 the human's (below the stock), 2 the opponents' (above it).
inline std::string TurnMarker(int which) {
    return Numbered(":/board/turn", which);
}
inline const std::string Slap = ":/board/slap.png";
// Mouse pointers over the avatar (0) and over the slap picture (1).
inline std::string AvatarPointer(int which) {
    return Numbered(":/board/pointer", which);
}

// The lead personality's winner animation, frames 1..7; the other personalities bring theirs in
// their packs.
inline std::string LeadWinFrame(int frame) {
    return Numbered(":/flash/zarle", frame);
}

// Avatar pictures the program folder starts with, under Avatars/.
inline constexpr std::array<const char*, 4> DefaultAvatars{"Zarle.jpg", "Quenor.jpg", "Vova.jpg",
                                                           "Zadure.jpg"};

} // namespace zarle::art
