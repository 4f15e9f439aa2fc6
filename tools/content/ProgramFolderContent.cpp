#include "tools/content/ProgramFolderContent.h"

#include "tools/content/DataRecords.h"
#include "tools/content/Emoticons.h"
#include "tools/content/GifWriter.h"
#include "tools/content/PaletteImage.h"
#include "tools/soundgen/PersonalitySounds.h"
#include "tools/content/PrivateFonts.h"
#include "tools/content/TextSheet.h"
#include "tools/content/Tiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <exception>

namespace zarle::content {

namespace {

constexpr int JpegQuality = 90;

QByteArray Jpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", JpegQuality))
        throw ContentError("the JPEG writer failed");
    return bytes;
}

QByteArray Gif(const QImage& drawn) {
    const PalettePicture picture = ToPalette(drawn);
    return EncodeGif(picture.image, picture.transparentIndex);
}

QByteArray TipsFile(const std::filesystem::path& source) {
    QByteArray out;
    for (const std::string& tip : LoadLines(source))
        out.append(tip.data(), qsizetype(tip.size())).append('\n');
    return out;
}

QByteArray FileBytes(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) throw ContentError(path.string() + ": cannot be read");
    return file.readAll();
}

void AddRecords(std::vector<ContentFile>& files, const std::filesystem::path& texts) {
    files.push_back({"Data/Players.sav", PlayerFile});
    files.push_back({"Data/scores.ran", SettingsFile});
    files.push_back({"Data/highscore.ran", HighScoreFile});
    files.push_back({"Data/snack.ade", [=] { return TextStore(TextSheet::Load(texts / "snack.txt")); }});
    for (std::string_view name : soundgen::PersonalityNames) {
        const std::string person(name);
        files.push_back({QString::fromStdString("Data/PMS/" + person + ".pms"), [=] {
                             return PersonalityFile(
                                 person, TextSheet::Load(texts / "personalities" / (person + ".txt")));
                         }});
    }
    files.push_back({"users/Custom.cmt", [=] { return CommentSet(TextSheet::Load(texts / "Custom.txt")); }});
    files.push_back({"TIPOFDAY.TXT", [=] { return TipsFile(texts / "tips.txt"); }});
}

void AddManual(std::vector<ContentFile>& files, const std::filesystem::path& texts) {
    files.push_back({"Help/manual.html", [=] { return FileBytes(texts / "manual.html"); }, true});
}

void AddPictures(std::vector<ContentFile>& files) {
    files.push_back({"backgrounds/tile_wood.jpg", [] { return Jpeg(WoodTile()); }});
    files.push_back({"backgrounds/tile_planks.gif", [] { return EncodeGif(PlanksTile()); }});
    files.push_back({"backgrounds/tile_metal2.gif", [] { return EncodeGif(MetalTile()); }});
    files.push_back({"backgrounds/tile_felt.jpg", [] { return Jpeg(FeltTile()); }});
    files.push_back({"backgrounds/tile_marble.jpg", [] { return Jpeg(MarbleTile()); }});
    for (const Emoticon& icon : Emoticons())
        files.push_back({"Icons/" + icon.file, [draw = icon.draw] { return Gif(draw()); }});
}

void AddFonts(std::vector<ContentFile>& files, const std::vector<std::filesystem::path>& folders) {
    for (const PrivateFont& font : PrivateFonts())
        files.push_back({font.file, [=] { return FileBytes(FontSource(font, folders)); }});
}

QString Failure(const QString& path, const QString& why) {
    return path + ": " + why;
}

} // namespace

std::vector<ContentFile> ProgramFolderContent(const ContentSources& sources) {
    std::vector<ContentFile> files;
    AddRecords(files, sources.texts);
    AddManual(files, sources.texts);
    AddPictures(files);
    AddFonts(files, sources.fontFolders);
    return files;
}

QStringList ProgramFolderFolders() {
    return {"users"};
}

WriteReport WriteMissing(const QString& folder, const std::vector<ContentFile>& files) {
    WriteReport report;
    const QDir root(folder);
    for (const QString& sub : ProgramFolderFolders())
        if (!root.mkpath(sub)) report.errors << Failure(root.filePath(sub), "cannot be created");
    for (const ContentFile& file : files) {
        const QString target = root.filePath(file.path);
        const bool present = QFileInfo::exists(target);
        if (present && !file.programOwned) {
            ++report.kept;
            continue;
        }
        try {
            const QByteArray bytes = file.make();
            if (present && FileBytes(target.toStdString()) == bytes) {
                ++report.kept;
                continue;
            }
            if (!QDir().mkpath(QFileInfo(target).path())) throw ContentError("its folder cannot be created");
            QSaveFile out(target);
            if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
                throw ContentError(out.errorString().toStdString());
            ++report.written;
        } catch (const std::exception& e) {
            report.errors << Failure(target, QString::fromStdString(e.what()));
        }
    }
    return report;
}

} // namespace zarle::content
