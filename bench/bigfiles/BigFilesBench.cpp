// The game's peak memory with huge data files. Each series runs the real game in a child process of
// this program, offscreen, on a copy of the program folder in which the manual, the tips, the
// player file, the settings and high-score files, the saved games, the comment set and the
// start-up sound are 1 GB each: their first 8 MB hold the series' bytes, the rest is a hole of the
// file system (zeros); the sound's header claims all of it as samples. The background and every
// avatar are JPEGs of a few hundred bytes whose header claims the series' size: the decoder fills
// what the data leaves out, so they take that size in memory if they are read.
// The child names a player at the welcome window, waits for the tip of the day, presses F1 and
// waits for the manual, then prints its peak resident memory (VmHWM), the time from its start to
// the tip shown and the time F1 took. BIGFILES_BOXES=1 prints the texts of the boxes shown.
//
//   bigfiles_bench [program folder (default: the build's)]
//
// The series: zeros throughout; line ends; dense markup ("<ul><li>", the costliest to lay out);
// each file's own bytes over and over; all with pictures claiming 30000x30000. Then zeros with the
// largest pictures the game takes as they are, with the largest it takes shrunk, and with the
// largest that the picture decoders take unless told otherwise; all progressive JPEGs of full
// colour resolution, the costliest to decode. The bench fails when a peak reaches 150 MB.

#include "board/GameWindow.h"
#include "platform/dialogs/MsgBox.h"
#include "persistence/dialogs/frmWelcome.h"
#include "platform/pictures/Pictures.h"
#include "tests/support/qt/ClaimingPictures.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using namespace zarle;

constexpr qint64 HugeFile = 1024LL * 1024 * 1024 + 3; // not a whole number of any record
constexpr qint64 DenseHead = 8 * 1024 * 1024;
constexpr double PeakGoalMb = 150;
constexpr int StepTimeoutMs = 120000;

const char* const HugeFiles[] = {"Help/manual.html",  "TIPOFDAY.TXT",    "Data/Players.sav",
                                 "Data/scores.ran",   "Data/highscore.ran", "Data/backup.sav",
                                 "users/Custom.cmt"};
const char* const HugeSound = "Sounds/IntroB.wav";
// The background of a new player and the pictures its seats may show.
const char* const PictureFiles[] = {"backgrounds/tile_wood.jpg", "Avatars/Zarle.jpg", "Avatars/Zadure.jpg",
                                    "Avatars/Quenor.jpg", "Avatars/Vova.jpg"};

enum class Pictures { Huge, LargestTaken, LargestShrunk, DecodersDefault };

struct Series {
    const char* name;
    const char* bytes; // what the huge files hold
    Pictures pictures;
};

const Series AllSeries[] = {
    {"zeros", "zeros", Pictures::Huge},         {"line-ends", "line-ends", Pictures::Huge},
    {"markup", "markup", Pictures::Huge},       {"own-bytes", "own-bytes", Pictures::Huge},
    {"taken", "zeros", Pictures::LargestTaken}, {"shrunk", "zeros", Pictures::LargestShrunk},
    {"refused", "zeros", Pictures::DecodersDefault}};

const Series* FindSeries(const QString& name) {
    for (const Series& series : AllSeries)
        if (name == series.name) return &series;
    return nullptr;
}

// The side of the largest square picture of `mb` megabytes at four bytes a pixel.
int SquareSide(int mb) {
    return int(std::sqrt(double(mb) * 1024 * 1024 / 4));
}

bool CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!QFile::copy(source, target))
            return false;
    }
    return true;
}

// The file made 1 GB: `head`, the series' bytes up to 8 MB, then a hole.
bool MakeHuge(const QString& path, const QString& series, const QByteArray& head = {}) {
    QFile file(path);
    QByteArray unit;
    if (series == "line-ends") unit = "\n";
    if (series == "markup") unit = "<ul><li>";
    if (series == "own-bytes") {
        if (file.open(QIODevice::ReadOnly)) unit = file.readAll();
        file.close();
        if (unit.isEmpty()) unit = "x";
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    if (file.write(head) != head.size()) return false;
    if (!unit.isEmpty()) {
        QByteArray block;
        while (block.size() < 64 * 1024) block += unit;
        for (qint64 written = 0; written < DenseHead; written += block.size())
            if (file.write(block) != block.size()) return false;
    }
    return file.resize(HugeFile);
}

// A WAVE header (16-bit mono, 22050 Hz) whose samples run to the end of a huge file.
QByteArray HugeWaveHead() {
    QByteArray head(44, '\0');
    char* p = head.data();
    const auto put = [&p](const char* text) { p = std::copy_n(text, 4, p); };
    const auto put32 = [&p](quint32 v) { qToLittleEndian(v, p), p += 4; };
    const auto put16 = [&p](quint16 v) { qToLittleEndian(v, p), p += 2; };
    put("RIFF"), put32(quint32(HugeFile - 8)), put("WAVE");
    put("fmt "), put32(16), put16(1), put16(1), put32(22050), put32(44100), put16(2), put16(16);
    put("data"), put32(quint32(HugeFile - 44));
    return head;
}

int PictureSide(Pictures pictures) {
    switch (pictures) {
    case Pictures::LargestTaken: return SquareSide(LargestPictureMb);
    case Pictures::LargestShrunk: return int(std::sqrt(double(LargestProgressivePixels)));
    case Pictures::DecodersDefault: return SquareSide(QImageReader::allocationLimit());
    default: return 30000;
    }
}

bool WritePicture(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

double PeakResidentMb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

QWidget* ShownWindow(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

// Runs the events until `done` holds; false after the time allowed.
bool RunUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > StepTimeoutMs) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

// One series in this process: the game on its huge files.
int RunSeries(int argc, char** argv, const Series& series, const QString& source) {
    QTemporaryDir scratch;
    // The settings store and the lock of the running copy are the series' own; the tip of the day
    // opens as on a first start.
    qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toUtf8());
    qputenv("TMPDIR", scratch.filePath("tmp").toUtf8());
    QDir().mkpath(scratch.filePath("tmp"));
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QString folder = scratch.filePath("game");
    if (!CopyFolder(source, folder)) return 2;
    for (const char* name : HugeFiles)
        if (!MakeHuge(folder + "/" + name, series.bytes)) return 2;
    if (!MakeHuge(folder + "/" + HugeSound, series.bytes, HugeWaveHead())) return 2;
    // Progressive with every colour at full resolution: the most a picture's decoding can take.
    const int side = PictureSide(series.pictures);
    const QByteArray picture =
        testing::JpegClaiming({side, side}, testing::JpegCoding::Progressive, testing::JpegColours::FullResolution);
    for (const char* name : PictureFiles)
        if (!WritePicture(folder + "/" + name, picture)) return 2;

    QStringList boxes;
    SetMsgBoxHook([&boxes](const MsgBoxRequest& box) {
        boxes << box.title;
        if (qEnvironmentVariableIsSet("BIGFILES_BOXES")) std::fprintf(stderr, "%s\n", qPrintable(box.text));
        return 1;
    });
    // A new player "Bench"; when the player file has no room left for one, the second name listed.
    QTimer welcome;
    int tries = 0;
    QObject::connect(&welcome, &QTimer::timeout, [&welcome, &tries] {
        auto* w = dynamic_cast<frmWelcome*>(ShownWindow("frmWelcome"));
        if (!w) return;
        if (tries++ == 0) {
            w->Combo1->setEditText("Bench");
        } else {
            welcome.stop();
            w->Combo1->setCurrentIndex(1);
        }
        w->Command1->click();
    });
    welcome.start(20);

    QElapsedTimer clock;
    clock.start();
    GameState game;
    ProfileState profile;
    game.AppPath = folder.toStdString();
    GameWindow window(game, profile);
    if (window.Start({"", "ZarleNET bigfiles"}) != StartOutcome::Running) return 3;
    if (!RunUntil([] { return ShownWindow("frmTip") != nullptr; })) return 4;
    const double tips = clock.nsecsElapsed() / 1e9;

    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&window.Window(), &f1);
    if (!RunUntil([] { return ShownWindow("frmHelp") != nullptr; })) return 5;
    const double manual = clock.nsecsElapsed() / 1e9;
    RunUntil([&clock, manual] { return clock.nsecsElapsed() / 1e9 > manual + 1; });

    std::printf("RESULT %.1f %.2f %.2f %dx%d %s\n", PeakResidentMb(), tips, manual - tips, side, side,
                qPrintable(boxes.join(", ")));
    std::fflush(stdout);
    SetMsgBoxHook({});
    window.Window().close();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && QByteArray(argv[1]) == "--series") {
        const Series* series = FindSeries(argv[2]);
        return series ? RunSeries(argc, argv, *series, argv[3]) : 2;
    }

    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString source = QFileInfo(args.size() > 1 ? args[1] : QString(ZARLE_GAME_DIR)).absoluteFilePath();
    if (!QFile::exists(source + "/Data/Players.sav")) {
        std::fprintf(stderr, "bigfiles_bench: no program folder at %s\n", qPrintable(source));
        return 2;
    }
    std::printf("The game with its manual, tips, data files and start-up sound at 1 GB each and huge pictures"
                " (peak goal: below %.0f MB)\n",
                PeakGoalMb);
    std::printf("  %-10s %8s %14s %6s %12s  %s\n", "series", "peak MB", "start to tip s", "F1 s", "pictures",
                "boxes shown");
    bool allBelow = true;
    for (const Series& s : AllSeries) {
        const char* series = s.name;
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {"--series", series, source});
        child.waitForFinished(-1);
        const QByteArray out = child.readAllStandardOutput();
        const qsizetype at = out.indexOf("RESULT ");
        if (child.exitCode() != 0 || at < 0) {
            std::printf("  %-10s failed (exit code %d)\n", series, child.exitCode());
            allBelow = false;
            continue;
        }
        const QList<QByteArray> f = out.mid(at + 7).trimmed().split(' ');
        const double peak = f.value(0).toDouble();
        allBelow = allBelow && peak < PeakGoalMb;
        std::printf("  %-10s %8.1f %14s %6s %12s  %s\n", series, peak, f.value(1).constData(),
                    f.value(2).constData(), f.value(3).constData(), f.mid(4).join(' ').constData());
    }
    std::printf("%s\n", allBelow ? "Every peak is below the goal." : "A peak reached the goal, or a series failed.");
    return allBelow ? 0 : 1;
}
