#pragma once
// The face style in use, read from a profile's setting.

namespace zarle {

// One picture per rank (styles 1..5). A style the program does not have draws the built-in face
// sheet, which is not one.
bool RankStyleInUse(int cardStyle);

} // namespace zarle
