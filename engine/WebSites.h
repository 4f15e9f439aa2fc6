#pragma once
// The game's web addresses, all on its one site: the About window names them, the Help menu's
// web-site entries open them, and the notice about missing personality sounds points to the
// downloads page.

namespace zarle {

inline constexpr const char* GameSiteAddress = "https://zarlenet.example.org/";
inline constexpr const char* OnlineSiteAddress = "https://zarlenet.example.org/online/";
inline constexpr const char* IpAddressPage = "https://zarlenet.example.org/online/ipaddress.html";
inline constexpr const char* DownloadsPage = "https://zarlenet.example.org/downloads/";

} // namespace zarle
