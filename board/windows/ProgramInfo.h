#pragma once
// What the program says about itself: its version, legal notice, maker and web addresses.

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
inline constexpr const char* WebSite = "https://zarlenet.example.org/";
inline constexpr const char* GamingSite = "https://play.zarlenet.example.org/";

} // namespace zarle
