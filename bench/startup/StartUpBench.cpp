// Start-up of the real program, measured from outside: the time from starting the process to the
// welcome window shown (the program prints a line then when ZARLE_STARTUP_MARKER is set), and the
// peak resident memory at that moment. Each run starts on a fresh copy of the program folder, with
// a lock folder of its own so that a game running meanwhile does not count as this copy.
//
// Two series: the folder as it is, and the same with the starting profile's sounds turned down to
// "fewer", which leaves out the intro sound and the pause start-up makes for it.
//   startup_bench [runs per series (default 15)] [program folder (default: the build's)]

#include "bench/common/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int WelcomeTimeoutMs = 20000;

struct Run {
    double seconds = 0;
    double peakMb = 0;
};

// VmHWM of /proc/<pid>/status: the most memory the process has held, in megabytes.
double PeakResidentMb(qint64 pid) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

std::optional<Run> StartOnce(const QString& source, bool soundsDown) {
    QTemporaryDir scratch;
    const QString folder = scratch.filePath("game");
    const QString locks = scratch.filePath("locks");
    if (!zarle::bench::CopyFolder(source, folder) || !QDir().mkpath(locks)) return std::nullopt;
    if (soundsDown && !zarle::bench::TurnSoundsDown(folder)) return std::nullopt;

    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ZARLE_STARTUP_MARKER", "1");
    env.insert("TMPDIR", locks);
    if (!env.contains("QT_QPA_PLATFORM")) env.insert("QT_QPA_PLATFORM", "offscreen");
    game.setProcessEnvironment(env);

    QElapsedTimer clock;
    clock.start();
    game.start(folder + "/zarlenet", {});
    std::optional<Run> run;
    while (game.waitForReadyRead(WelcomeTimeoutMs)) {
        if (game.readAllStandardOutput().contains("welcome shown")) {
            run = Run{clock.nsecsElapsed() / 1e9, PeakResidentMb(game.processId())};
            break;
        }
    }
    game.kill();
    game.waitForFinished();
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = args.size() > 1 ? std::max(1, args[1].toInt()) : 15;
    const QString source = args.size() > 2 ? args[2] : QString(ZARLE_GAME_DIR);
    if (!QFile::exists(source + "/zarlenet") || !QFile::exists(source + "/Data/Players.sav")) {
        std::fprintf(stderr, "startup_bench: no program folder at %s\n", qPrintable(source));
        return 2;
    }
    for (const bool soundsDown : {false, true}) {
        std::vector<double> seconds, peaks;
        for (int i = 0; i < runs; ++i) {
            const auto run = StartOnce(source, soundsDown);
            if (!run) {
                std::fprintf(stderr, "startup_bench: run %d never showed the welcome window\n", i + 1);
                return 1;
            }
            seconds.push_back(run->seconds);
            peaks.push_back(run->peakMb);
        }
        std::printf("%s\n", soundsDown ? "Sounds turned down (no intro sound, no pause for it):"
                                       : "The program folder as it is (all sounds: the intro sound and its "
                                         "0.75 s pause):");
        std::printf(
            "  start to welcome window: median %.3f s (fastest %.3f s, slowest %.3f s) over %d runs\n",
            Median(seconds), *std::min_element(seconds.begin(), seconds.end()),
            *std::max_element(seconds.begin(), seconds.end()), runs);
        std::printf("  peak resident memory at the welcome window: median %.1f MB (largest %.1f MB)\n",
                    Median(peaks), *std::max_element(peaks.begin(), peaks.end()));
    }
    return 0;
}
