#include "board/startup/GameFonts.h"

#include "platform/fonts/PrivateFonts.h"

#include <array>
#include <filesystem>

namespace zarle {

namespace {

constexpr std::array<const char*, 5> FontFiles{"Brantholm.ttf", "Zarle2.ttf", "Zarle3.ttf", "Zarle4.ttf",
                                               "Zarle1.ttf"};

QString FontPath(const std::string& appPath, const char* file) {
    return QString::fromStdString((std::filesystem::path(appPath) / file).string());
}

} // namespace

void InstallGameFonts(const std::string& appPath) {
    for (const char* file : FontFiles) AddFontResource(FontPath(appPath, file));
}

void RemoveGameFonts(const std::string& appPath) {
    for (const char* file : FontFiles) RemoveFontResource(FontPath(appPath, file));
}

} // namespace zarle
