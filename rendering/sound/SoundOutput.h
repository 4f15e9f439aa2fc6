#pragma once
// Where the sound effects go: the one sound channel of the platform, or a test's recorder.

#include <string>

namespace zarle {

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Plays a wave file, cutting off the sound that is playing. With `untilEnd` the call returns
    // when the sound has finished (the caller's next sound must not cut it off); otherwise at once.
    virtual void PlayFile(const std::string& path, bool untilEnd) = 0;
};

} // namespace zarle
