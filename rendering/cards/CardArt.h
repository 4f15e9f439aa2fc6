#pragma once
// Access to the pictures compiled into the program (their names are in CardArtPaths.h).

#include <QImage>

#include <string>

namespace zarle {

// Makes the compiled-in pictures reachable; cheap after the first call.
void InitCardArt();

// One compiled-in picture, ready for fast drawing; a null image when there is no such picture.
QImage LoadCardArt(const std::string& resourcePath);

} // namespace zarle
