#pragma once
// Colours as the game stores them: a long &HBBGGRR (red in the low byte), or a system
// colour &H800000nn standing for a colour of the desktop's scheme (&H80000018 the tool-tip
// ground, &H8000000F the face of a button).

#include <QColor>

#include <cstdint>

namespace zarle {

QColor VbColor(uint32_t value);
// The stored form of a colour (never a system colour).
uint32_t VbColorValue(const QColor& color);

} // namespace zarle
