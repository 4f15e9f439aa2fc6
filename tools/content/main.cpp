// Fills the program folder with what it is missing of the game's own data files and pictures:
//   zarle_content <program folder> <texts folder>
// Files already there are the player's and are never replaced.

#include "tools/content/PrivateFonts.h"
#include "tools/content/ProgramFolderContent.h"

#include <QCoreApplication>

#include <cstdio>

using namespace zarle::content;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // the picture format plugins need it
    if (argc != 3) {
        std::fprintf(stderr, "usage: zarle_content <program folder> <texts folder>\n");
        return 2;
    }
    const ContentSources sources{std::filesystem::path(argv[2]), SystemFontFolders()};
    const WriteReport report = WriteMissing(QString::fromLocal8Bit(argv[1]), ProgramFolderContent(sources));
    for (const QString& error : report.errors) std::fprintf(stderr, "zarle_content: %s\n", qPrintable(error));
    if (report.written > 0) std::printf("zarle_content: wrote %d missing files\n", report.written);
    return report.errors.isEmpty() ? 0 : 1;
}
