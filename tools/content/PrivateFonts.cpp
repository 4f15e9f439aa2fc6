#include "tools/content/PrivateFonts.h"

#include "tools/content/TextSheet.h"

namespace zarle::content {

// DejaVu (fonts-dejavu-core, fonts-dejavu-extra) and GNU FreeFont (fonts-freefont-ttf). A face
// from a package that is not installed falls back to one of the core DejaVu faces.
const std::vector<PrivateFont>& PrivateFonts() {
    static const std::vector<PrivateFont> fonts{
        {"Brantholm.ttf", // a title face with a calligraphic slant
         {"freefont/FreeSerifBoldItalic.ttf", "dejavu/DejaVuSerif-BoldItalic.ttf",
          "dejavu/DejaVuSerif-Bold.ttf"}},
        {"Zarle1.ttf", {"dejavu/DejaVuSans-Bold.ttf"}},                                   // captions
        {"Zarle2.ttf", {"dejavu/DejaVuSansCondensed-Bold.ttf", "dejavu/DejaVuSans.ttf"}}, // narrow panels
        {"Zarle3.ttf", {"dejavu/DejaVuSerif-Bold.ttf"}},                                  // headings
        {"Zarle4.ttf", {"dejavu/DejaVuSansMono-Bold.ttf"}},                               // counts and scores
    };
    return fonts;
}

std::vector<std::filesystem::path> SystemFontFolders() {
    return {"/usr/share/fonts/truetype", "/usr/share/fonts"};
}

std::filesystem::path FontSource(const PrivateFont& font, const std::vector<std::filesystem::path>& folders) {
    for (const std::string& candidate : font.candidates)
        for (const auto& folder : folders) {
            std::error_code error;
            if (std::filesystem::is_regular_file(folder / candidate, error)) return folder / candidate;
        }
    throw ContentError(font.file.toStdString() + ": no font to copy it from (install fonts-dejavu-core)");
}

} // namespace zarle::content
