#pragma once
// The sound files of the program folder: the resources' temporary copies in `Data/`, the
// personality and chat sounds in `Sounds/`.

#include <string>

namespace zarle {

// `AppPath`/Data/~<id>.tmp, where the sound resource `id` is written at start-up.
std::string SoundTempPath(const std::string& appPath, int id);

// True when `path` names a regular file that can be opened for reading. Only such files are
// handed to the sound output: anything else would at best play the platform's error beep.
bool IsPlayableFile(const std::string& path);

// Deletes every `Data/*.tmp` (the sound copies and the card bitmap cache) and `Sounds/*.pmw`
// file of the program folder. Files that are gone or locked are skipped.
void DeleteTemporarySoundFiles(const std::string& appPath);

} // namespace zarle
