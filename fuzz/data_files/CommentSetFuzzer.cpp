// A comment set from outside: whatever its bytes, the seat's lines are the set's twenty or its own,
// never garbage, and the editor reads twenty lines that fit their records and are text.

#include "opponents/CommentSets.h"
#include "base/records/DamagedFile.h"
#include "fuzz/data_files/FuzzFolder.h"
#include "engine/GameState.h"
#include "opponents/Personalities.h"
#include "base/text/VbText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarle;
    const auto& folder = fuzzing::FuzzFolder().Path();
    const auto file = fuzzing::WriteInput("users/Fuzz.cmt", data, size);
    GameState s;
    ProfileState profile;
    s.AppPath = folder.string();
    LoadCommentFile(s, profile, "Fuzz");
    for (int k = 1; k <= CommentSetLines; ++k) {
        if (HasControlCharacters(s.Comments[k])) std::abort();
    }
    const auto read = ReadCommentSetFile(file);
    if (!read || FirstOverlongLine(read->Lines) != 0) std::abort();
    for (const std::string& line : read->Lines) {
        if (HasControlCharacters(line)) std::abort();
    }
    return 0;
}
