#pragma once
// The addresses of the Help menu's web-site pop-up, items 1..3.

namespace zarle {

inline constexpr const char* GameSiteAddress = "https://zarlenet.example.net/";
inline constexpr const char* OnlineSiteAddress = "https://play.zarlenet.example.net/";
inline constexpr const char* IpAddressPage = "https://zarlenet.example.net/online/ipaddress.html";

} // namespace zarle
