// A personality file from outside: whatever its bytes, the seat gets a personality (the lead's when
// the file is damaged), the sound lists read, and no text that comes out holds garbage.

#include "opponents/CustomSounds.h"
#include "base/records/DamagedFile.h"
#include "fuzz/data_files/FuzzFolder.h"
#include "engine/GameState.h"
#include "opponents/Personalities.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarle;
    const auto& folder = fuzzing::FuzzFolder().Path();
    fuzzing::WriteInput("Data/PMS/Fuzz.pms", data, size);
    GameState s;
    ProfileState profile;
    s.AppPath = folder.string();
    LoadPersonalityFile(s, profile, "Fuzz");
    for (int k = 1; k <= 20; ++k) {
        if (HasControlCharacters(s.Comments[k])) std::abort();
    }
    for (int list : {DefaultSoundList, CustomSoundList}) {
        if (const auto names = ReadSoundList(folder, "Fuzz", list)) {
            for (const auto& name : *names) {
                if (name.size() > 2 * SoundNameWidth) std::abort(); // Latin-1 at most doubles in UTF-8
            }
        }
    }
    return 0;
}
