// The default program folder as the generator writes it: every file the program reads at start-up
// and later, in the form the program reads it, and never a player's file replaced.

#include "tools/soundgen/ProgramFolder.h"
#include "base/records/CommentRecord.h"
#include "base/records/HighScoreRecord.h"
#include "base/records/PersonalityRecord.h"
#include "base/records/PlayerRecord.h"
#include "tools/content/PrivateFonts.h"
#include "tools/content/ProgramFolderContent.h"
#include "base/records/ScoreRecord.h"
#include "tests/support/TempFolder.h"
#include "engine/Utilities.h"
#include "base/text/VbText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>

using namespace zarle;
using namespace zarle::content;

namespace {

using zarle::testing::TempFolder;

const std::filesystem::path Texts = ZARLE_CONTENT_TEXTS;

// A path, or a file of a folder, as Qt takes it.
QString ToQt(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
QString FileOf(const TempFolder& folder, const QString& relative) {
    return ToQt(folder.Path(relative.toStdString()));
}

std::vector<ContentFile> Content(const std::filesystem::path& texts = Texts) {
    return ProgramFolderContent({texts, SystemFontFolders()});
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <class Record> std::vector<Record> Records(const QString& path) {
    const QByteArray bytes = Bytes(path);
    EXPECT_EQ(bytes.size() % qsizetype(Record::Size), 0) << path.toStdString();
    std::vector<Record> records;
    for (qsizetype at = 0; at + qsizetype(Record::Size) <= bytes.size(); at += Record::Size)
        records.push_back(
            Record::Decode(std::span(reinterpret_cast<const uint8_t*>(bytes.data() + at), Record::Size)));
    return records;
}

// One folder written once for the tests that only read it.
class WrittenFolder : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new TempFolder;
        report_ = new WriteReport(WriteMissing(ToQt(folder_->Path()), Content()));
    }
    static void TearDownTestSuite() {
        delete report_;
        delete folder_;
    }
    static QString File(const QString& relative) { return FileOf(*folder_, relative); }

    static TempFolder* folder_;
    static WriteReport* report_;
};
TempFolder* WrittenFolder::folder_ = nullptr;
WriteReport* WrittenFolder::report_ = nullptr;

TEST_F(WrittenFolder, HoldsEveryFileTheProgramLooksFor) {
    EXPECT_TRUE(report_->errors.isEmpty()) << report_->errors.join("\n").toStdString();
    EXPECT_EQ(report_->kept, 0);
    const QStringList expected{"Data/scores.ran",
                               "Data/Players.sav",
                               "Data/highscore.ran",
                               "Data/snack.ade",
                               "Data/PMS/Zarle.pms",
                               "Data/PMS/Quenor.pms",
                               "Data/PMS/Vova.pms",
                               "Data/PMS/Zadure.pms",
                               "users/Custom.cmt",
                               "TIPOFDAY.TXT",
                               "Help/manual.html",
                               "backgrounds/tile_wood.jpg",
                               "backgrounds/tile_metal2.gif",
                               "backgrounds/tile_planks.gif",
                               "Icons/Angry.gif",
                               "Icons/Begging.gif",
                               "Icons/Crying.gif",
                               "Icons/Dumb_Move.gif",
                               "Icons/Embarrassed.gif",
                               "Icons/Hotflash.gif",
                               "Icons/Grinning.gif",
                               "Icons/Skull.gif",
                               "Icons/Mischievous.gif",
                               "Icons/Noose.gif",
                               "Icons/Sad.gif",
                               "Icons/Wink.gif",
                               "Icons/Shoot.gif",
                               "Brantholm.ttf",
                               "Zarle1.ttf",
                               "Zarle2.ttf",
                               "Zarle3.ttf",
                               "Zarle4.ttf"};
    for (const QString& path : expected) EXPECT_TRUE(QFile::exists(File(path))) << path.toStdString();
    EXPECT_TRUE(QFileInfo(File("users")).isDir());
}

TEST_F(WrittenFolder, PlayerFileIsOneHeaderWithAPlayableStartingProfile) {
    const auto records = Records<PlayerRecord>(File("Data/Players.sav"));
    ASSERT_EQ(records.size(), 1u);
    const PlayerRecord& header = records[0];
    EXPECT_EQ(header.Seats[0].Name, ""); // no player yet
    EXPECT_EQ(header.NumPlayers, 2);
    EXPECT_EQ(header.NumCenters, 3);
    EXPECT_EQ(header.SideSizeM1, 19);
    EXPECT_EQ(header.AnimSpeed, 45);
    EXPECT_EQ(header.SoundLevel, 0);
    EXPECT_EQ(header.AutoSave, VbTrue);
    EXPECT_GE(header.CardStyle, 1);
    EXPECT_LE(header.CardStyle, 8);
    EXPECT_GE(header.BackDesign, 1);
    EXPECT_TRUE(header.Games == decltype(header.Games){} && header.Wins == decltype(header.Wins){} &&
                header.Margin == decltype(header.Margin){});
    // Each opponent seat a different personality that ships, in its own picture.
    const std::string opponents[] = {"Zarle", "Quenor", "Vova"};
    for (int seat = 1; seat <= 3; ++seat) {
        const std::string& name = opponents[seat - 1];
        EXPECT_EQ(header.Seats[seat].Name, name);
        EXPECT_EQ(header.Seats[seat].Avatar, name + ".jpg");
        EXPECT_EQ(header.Seats[seat].Comments, "Default Personality");
        EXPECT_TRUE(QFile::exists(File(QString::fromStdString("Data/PMS/" + name + ".pms")))) << name;
    }
}

TEST_F(WrittenFolder, ScoreFilesHoldOnlyEmptyRecords) {
    const auto settings = Records<ScoreRecord>(File("Data/scores.ran"));
    ASSERT_EQ(settings.size(), 18u);
    for (const ScoreRecord& r : settings) EXPECT_EQ(r, ScoreRecord{});
    // Start-up reads record 14: no display size and no window placement stored.
    EXPECT_LT(settings[13].Value2, 20);
    EXPECT_NE(settings[13].Value3, 20);
    const auto high = Records<HighScoreRecord>(File("Data/highscore.ran"));
    ASSERT_EQ(high.size(), 20u);
    for (const HighScoreRecord& r : high) EXPECT_EQ(r, HighScoreRecord{});
}

TEST_F(WrittenFolder, TextStoreFillsEveryRecordTheWindowsRead) {
    // The comment editor's help, the about window's texts and credits, the background keys' notice.
    const std::pair<int, int> ranges[] = {{9, 11}, {19, 21}, {22, 22}, {23, 28}, {32, 34}};
    const std::string app = folder_->Path().string();
    for (const auto& [first, last] : ranges)
        for (int n = first; n <= last; ++n) EXPECT_NE(Trim(ReadDataText(app, n, n)), "") << "record " << n;
    EXPECT_EQ(Bytes(File("Data/snack.ade")).size() % qsizetype(CommentRecord::Size), 0);
}

TEST_F(WrittenFolder, PersonalitiesSpeakOnEveryOccasionAndNameSoundsThatShip) {
    std::set<std::string> shipped;
    for (const auto& recipe : soundgen::ProgramFolderSounds()) shipped.insert(recipe.path);
    for (std::string name : {"Zarle", "Quenor", "Vova", "Zadure"}) {
        const QString path = File(QString::fromStdString("Data/PMS/" + name + ".pms"));
        const auto records = Records<PersonalityRecord>(path);
        ASSERT_EQ(records.size(), 1u) << name;
        const PersonalityRecord& person = records[0];
        for (int line = 0; line < PersonalityRecord::CommentLines; ++line)
            EXPECT_NE(person.Comments[line], "") << name << " line " << line;
        for (int set = 0; set < 2; ++set)
            for (int event = 1; event < PersonalityRecord::SoundEvents; ++event)
                EXPECT_TRUE(shipped.contains("Sounds/" + person.Sounds[set][event]))
                    << name << " set " << set << " event " << event << ": " << person.Sounds[set][event];
        const int order = ValInt16(person.Sounds[0][0]);
        EXPECT_TRUE(order == 1 || order == 2) << name;
        EXPECT_TRUE(person.Picture.ends_with(".jpg")) << name;
    }
}

TEST_F(WrittenFolder, CommentSetAndTipsAreComplete) {
    const auto lines = Records<CommentRecord>(File("users/Custom.cmt"));
    ASSERT_EQ(lines.size(), 20u);
    for (const CommentRecord& line : lines) EXPECT_NE(line.Text, "");
    const QStringList tips = QString::fromLatin1(Bytes(File("TIPOFDAY.TXT"))).split('\n', Qt::SkipEmptyParts);
    EXPECT_GE(tips.size(), 30);
    for (const QString& tip : tips) EXPECT_FALSE(tip.startsWith('#')) << tip.toStdString();
}

// The largest step between opposite edges compared with the steps inside the picture.
double EdgeStep(const QImage& image, bool across) {
    const int n = across ? image.height() : image.width();
    const int last = (across ? image.width() : image.height()) - 1;
    auto step = [&](int a, int b) {
        double sum = 0;
        for (int i = 0; i < n; ++i) {
            const QRgb p = across ? image.pixel(a, i) : image.pixel(i, a);
            const QRgb q = across ? image.pixel(b, i) : image.pixel(i, b);
            sum += std::abs(qGray(p) - qGray(q));
        }
        return sum / n;
    };
    double inside = 0;
    for (int k = 0; k < last; ++k) inside += step(k, k + 1);
    return step(last, 0) / (inside / last + 1.0);
}

TEST_F(WrittenFolder, PicturesAreWhatTheirNamesSayAndTilesHaveNoSeams) {
    for (const QString& name : QDir(File("backgrounds")).entryList(QDir::Files)) {
        QImageReader reader(File("backgrounds/" + name));
        EXPECT_EQ(reader.format(), name.endsWith(".gif") ? "gif" : "jpeg") << name.toStdString();
        const QImage tile = reader.read();
        ASSERT_FALSE(tile.isNull()) << name.toStdString();
        EXPECT_LT(EdgeStep(tile, true), 3.0) << name.toStdString() << " left to right";
        EXPECT_LT(EdgeStep(tile, false), 3.0) << name.toStdString() << " top to bottom";
    }
    const QStringList icons = QDir(File("Icons")).entryList(QDir::Files);
    EXPECT_EQ(icons.size(), 13);
    for (const QString& name : icons) {
        QImageReader reader(File("Icons/" + name));
        EXPECT_EQ(reader.format(), "gif") << name.toStdString();
        const QImage icon = reader.read();
        ASSERT_EQ(icon.size(), QSize(32, 32)) << name.toStdString();
        EXPECT_EQ(qAlpha(icon.pixel(0, 31)), 0) << name.toStdString() << ": the table shows around it";
    }
}

TEST_F(WrittenFolder, PrivateFontsLoad) {
    for (const PrivateFont& font : PrivateFonts()) {
        const int id = QFontDatabase::addApplicationFont(File(font.file));
        EXPECT_NE(id, -1) << font.file.toStdString();
        QFontDatabase::removeApplicationFont(id);
    }
}

class Rewrite : public ::testing::Test {
  protected:
    TempFolder folder_;
};

TEST_F(Rewrite, APlayersFilesStayAndOnlyMissingOnesComeBack) {
    const auto content = Content();
    ASSERT_TRUE(WriteMissing(ToQt(folder_.Path()), content).errors.isEmpty());
    const QByteArray players = "a player's own profile";
    const QStringList changed{"Data/Players.sav", "users/Custom.cmt", "backgrounds/tile_wood.jpg",
                              "Zarle1.ttf"};
    for (const QString& path : changed) {
        QFile file(FileOf(folder_, path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(players);
    }
    const QByteArray tips = Bytes(FileOf(folder_, "TIPOFDAY.TXT"));
    ASSERT_TRUE(QFile::remove(FileOf(folder_, "TIPOFDAY.TXT")));

    const WriteReport again = WriteMissing(ToQt(folder_.Path()), content);
    EXPECT_TRUE(again.errors.isEmpty());
    EXPECT_EQ(again.written, 1);
    EXPECT_EQ(again.kept, int(content.size()) - 1);
    for (const QString& path : changed)
        EXPECT_EQ(Bytes(FileOf(folder_, path)), players) << path.toStdString();
    EXPECT_EQ(Bytes(FileOf(folder_, "TIPOFDAY.TXT")), tips);
}

TEST_F(Rewrite, AnOlderManualIsReplacedAndAnUnchangedOneLeftAlone) {
    const auto content = Content();
    ASSERT_TRUE(WriteMissing(ToQt(folder_.Path()), content).errors.isEmpty());
    const QByteArray manual = Bytes(FileOf(folder_, "Help/manual.html"));
    EXPECT_TRUE(manual.contains("<a name=\"contents\">"));
    EXPECT_EQ(WriteMissing(ToQt(folder_.Path()), content).written, 0);

    QFile old(FileOf(folder_, "Help/manual.html"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
    old.write("the manual of an older build");
    old.close();
    const WriteReport again = WriteMissing(ToQt(folder_.Path()), content);
    EXPECT_TRUE(again.errors.isEmpty());
    EXPECT_EQ(again.written, 1);
    EXPECT_EQ(Bytes(FileOf(folder_, "Help/manual.html")), manual);
}

TEST_F(Rewrite, ABadTextSourceCostsOnlyItsOwnFile) {
    TempFolder texts;
    std::filesystem::copy(Texts, texts.Path(), std::filesystem::copy_options::recursive);
    std::ofstream(texts.Path() / "snack.txt", std::ios::app) << "40: " << std::string(101, 'x') << "\n";

    const WriteReport report = WriteMissing(ToQt(folder_.Path()), Content(texts.Path()));
    ASSERT_EQ(report.errors.size(), 1);
    EXPECT_TRUE(report.errors[0].contains("Data/snack.ade")) << report.errors[0].toStdString();
    EXPECT_TRUE(report.errors[0].contains("at most 100")) << report.errors[0].toStdString();
    EXPECT_FALSE(QFile::exists(FileOf(folder_, "Data/snack.ade")));
    EXPECT_TRUE(QFile::exists(FileOf(folder_, "Data/Players.sav")));
    EXPECT_TRUE(QFile::exists(FileOf(folder_, "TIPOFDAY.TXT")));
}

} // namespace
