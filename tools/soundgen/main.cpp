// Synthesises the game's sounds at build time.
//   zarle_soundgen resources <folder>       the sound resources, "<id>.wav", always rewritten
//   zarle_soundgen program-folder <folder>  the program folder's sound files that are missing
//   zarle_soundgen report                   length and peak level of every sound

#include "tools/soundgen/ProgramFolder.h"
#include "tools/soundgen/ResourceSounds.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

using namespace zarle::soundgen;

void Report(const std::vector<SoundRecipe>& recipes) {
    for (const SoundRecipe& recipe : recipes) {
        const Signal s = recipe.make(recipe.rate);
        const float peak = Peak(s);
        std::printf("%-32s %5d Hz %2d bit %6.3f s  peak %6.1f dBFS\n", recipe.path.c_str(), recipe.rate,
                    recipe.bits, s.Seconds(), peak > 0 ? 20 * std::log10(peak) : -INFINITY);
    }
}

int Usage() {
    std::fputs("usage: zarle_soundgen resources <folder> | program-folder <folder> | report\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "report" && argc == 2) {
        Report(ResourceSounds());
        Report(ProgramFolderSounds());
        return 0;
    }
    if (argc != 3) return Usage();
    if (mode == "resources") {
        if (WriteResourceSounds(argv[2])) return 0;
        std::fprintf(stderr, "zarle_soundgen: cannot write the sound resources into %s\n", argv[2]);
        return 1;
    }
    if (mode == "program-folder") {
        const WriteCount count = WriteMissingSounds(argv[2], ProgramFolderSounds());
        if (count.failed == 0) return 0;
        std::fprintf(stderr, "zarle_soundgen: %d sound files could not be written into %s\n", count.failed,
                     argv[2]);
        return 1;
    }
    return Usage();
}
