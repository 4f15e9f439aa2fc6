#pragma once
// What the program says about itself: its version, legal notice and maker (its web addresses are
// in WebSites.h).

namespace zarle {

struct ProgramVersion {
    int Major;
    int Minor;
    int Revision;
};

inline constexpr ProgramVersion Version{ZARLE_VERSION_MAJOR, ZARLE_VERSION_MINOR, ZARLE_VERSION_PATCH};

inline constexpr const char* ProductName = "ZarleNET Multiplayer Edition for Linux";
inline constexpr const char* LegalNotice =
    "(C) The ZarleNET team. Every card, table, sound and word is our own.";

} // namespace zarle
