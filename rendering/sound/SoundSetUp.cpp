#include "rendering/sound/SoundSetUp.h"

#include "rendering/sound/SoundFiles.h"
#include "rendering/sound/SoundIds.h"
#include "rendering/sound/SoundResources.h"

#include <fstream>

namespace zarle {

long SaveResToFile(int id, std::string_view type, const std::string& path) {
    const auto bytes = ReadProgramResource(id, type);
    if (!bytes) return ResourceNotFound;
    // Truncate: a longer stale file must not keep its tail behind the new sound.
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.write(bytes->data(), static_cast<std::streamsize>(bytes->size())) || !file.flush())
        return FileAccessError;
    return 0;
}

void SetUpSounds(const std::string& appPath) {
    for (int id = FirstSoundId; id <= LastSoundId; ++id)
        SaveResToFile(id, "SOUND", SoundTempPath(appPath, id));
}

} // namespace zarle
