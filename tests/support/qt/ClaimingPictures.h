#pragma once
// Pictures of a few hundred bytes whose headers claim a huge size, for the limits on what a
// picture may take in memory.

#include <QByteArray>
#include <QSize>

namespace zarle::testing {

enum class JpegCoding { Sequential, Progressive };
enum class JpegColours { AsWritten, FullResolution };

// A JPEG whose frame header claims `size`: the decoder fills what the data leaves out, so the
// picture would take the whole size in memory. FullResolution samples every colour component as
// finely as the brightness, the most a progressive decoding can take.
QByteArray JpegClaiming(QSize size, JpegCoding coding = JpegCoding::Sequential,
                        JpegColours colours = JpegColours::AsWritten);

} // namespace zarle::testing
