#pragma once
// Everything the default program folder holds besides the sounds and the avatars: the data
// files, personalities, comment set, tips, backgrounds, emoticons, private fonts and the user's
// manual. Only what is missing is written: a file that is there already is the player's and stays
// as it is. The manual alone is the program's own, and a build with a newer one replaces it.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <vector>

namespace zarle::content {

struct ContentFile {
    QString path;                     // under the program folder, "/" separated
    std::function<QByteArray()> make; // throws ContentError when its source is unusable
    bool programOwned = false;        // replaced when the build makes it different
};

struct ContentSources {
    std::filesystem::path texts;                    // the folder of the written texts
    std::vector<std::filesystem::path> fontFolders; // where the private fonts are copied from
};

std::vector<ContentFile> ProgramFolderContent(const ContentSources& sources);

// Folders the program lists even while they are empty.
QStringList ProgramFolderFolders();

struct WriteReport {
    int written = 0;
    int kept = 0; // already there, left untouched
    QStringList errors;
};

// Makes and writes each file that `folder` does not have yet, and each program-owned file that
// differs from what the build makes; each one is written whole or not at all.
WriteReport WriteMissing(const QString& folder, const std::vector<ContentFile>& files);

} // namespace zarle::content
