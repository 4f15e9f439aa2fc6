#include "bench/board/FirstAnswers.h"

#include "board/GameWindow.h"
#include "bench/common/ProgramFolder.h"
#include "platform/controls/PictureBox.h"
#include "persistence/dialogs/frmWelcome.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace zarle::bench {

namespace {

constexpr int Deals = 2;
constexpr int Plays = 3;
constexpr int RunTimeoutMs = 120000;
constexpr int TypingMs = 1000;

class OkBox : public MessageBoxPort {
  public:
    int MsgBox(std::string_view, int, std::string_view) override { return AnswerOk; }
};

// The time from Arm to the first paint of a pile on the board: the first moment the player sees
// the cards answer (the Deal button going away alone is no answer).
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QWidget& board) : board_(board) { qApp->installEventFilter(this); }
    void Arm() {
        seen_.reset();
        clock_.start();
    }
    double Ms() const { return seen_.value_or(-1); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_ && clock_.isValid() &&
            dynamic_cast<PictureBox*>(watched) && board_.isAncestorOf(static_cast<QWidget*>(watched)))
            seen_ = clock_.nsecsElapsed() / 1e6;
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget& board_;
    QElapsedTimer clock_;
    std::optional<double> seen_;
};

// Answers the welcome window with a name whenever it shows, after a moment, as a player typing
// the name would.
void AnswerWelcome(QTimer& timer) {
    QObject::connect(&timer, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* welcome = dynamic_cast<frmWelcome*>(w); welcome && welcome->isVisible()) {
                welcome->Combo1->setEditText("Bench");
                welcome->Command1->click();
            }
    });
    timer.start(TypingMs);
}

// A card of this value, from the first suit, in the human's slot, shown.
void HandCard(GameWindow& w, int slot, int value) {
    w.Game().PlayerCards[slot] = CardOfId(value);
    w.Board().ShowCard(Pics::Picture7, slot, value, 0);
    w.Board().EnablePic(Pics::Picture7, true, 1, SlotCount);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

std::optional<std::vector<double>> RunOnce(const QString& self, const QString& folder) {
    QProcess run;
    run.start(self, {"--first-answers", folder});
    if (!run.waitForFinished(RunTimeoutMs) || run.exitCode() != 0) return std::nullopt;
    std::vector<double> times;
    for (const QByteArray& word : run.readAllStandardOutput().simplified().split(' '))
        times.push_back(word.toDouble());
    if (times.size() != Deals + Plays) return std::nullopt;
    return times;
}

} // namespace

int RunFirstAnswers(const QString& folder) {
    GameState game;
    game.AppPath = folder.toStdString();
    ProfileState profile;
    OkBox box;
    GameWindow window(game, profile, GameWindowServices{nullptr, nullptr, &box});
    QTimer welcome;
    AnswerWelcome(welcome);
    if (window.Start({"", "bench-first-answers"}) != StartOutcome::Running) return 1;
    FirstPaint painted(window.Window());
    QCoreApplication::processEvents();

    std::vector<double> times;
    for (int deal = 0; deal < Deals; ++deal) {
        painted.Arm();
        window.TheEngine().Command2_Click();
        times.push_back(painted.Ms());
        if (deal == 0) {
            // The human plays an Ace, a Two and a Three onto an empty center with double-clicks.
            game.PTurn = 1;
            game.CenterCount[1] = 0;
            for (int play = 0; play < Plays; ++play) {
                HandCard(window, 2 + play, 1 + play);
                QCoreApplication::processEvents();
                painted.Arm();
                window.Input().Picture7_DblClick(2 + play);
                times.push_back(painted.Ms());
            }
        }
    }
    for (const double ms : times) std::printf("%.1f ", ms);
    std::printf("\n");
    return 0;
}

int BenchFirstAnswers(const QString& self, const QString& source, int runs) {
    struct Series {
        const char* name;
        std::vector<std::vector<double>> rows;
    };
    Series cold{"a fresh program folder", {}}, warm{"a program folder used before", {}},
        quiet{"a fresh program folder, sounds turned down (the deal plays the run's first sound)", {}};
    QTemporaryDir scratch;
    const QString used = scratch.filePath("used");
    if (!CopyFolder(source, used) || !RunOnce(self, used)) return 1;
    for (int i = 0; i < runs; ++i) {
        const QString fresh = scratch.filePath(QString("fresh%1").arg(i));
        const QString freshQuiet = scratch.filePath(QString("quiet%1").arg(i));
        if (!CopyFolder(source, fresh) || !CopyFolder(source, freshQuiet) || !TurnSoundsDown(freshQuiet))
            return 1;
        for (auto [series, folder] :
             {std::pair{&cold, fresh}, std::pair{&warm, used}, std::pair{&quiet, freshQuiet}}) {
            const auto times = RunOnce(self, folder);
            if (!times) {
                std::fprintf(stderr, "board_bench: a run of the program did not finish\n");
                return 1;
            }
            series->rows.push_back(*times);
        }
    }
    const auto column = [](const std::vector<std::vector<double>>& rows, size_t k) {
        std::vector<double> v;
        for (const auto& r : rows) v.push_back(r[k]);
        return Median(v);
    };
    std::printf(
        "First answers: ms from the Deal button, or a double-click on a card, to the first pile drawn "
        "anew (median of %d runs of the program)\n",
        runs);
    for (const Series* s : {&cold, &warm, &quiet}) {
        std::printf("  on %s:\n", s->name);
        std::printf("    Deal:         first %7.1f   later %7.1f\n", column(s->rows, 0),
                    column(s->rows, Deals + Plays - 1));
        std::printf("    Double-click: first %7.1f   second %7.1f   third %7.1f\n", column(s->rows, 1),
                    column(s->rows, 2), column(s->rows, 3));
    }
    return 0;
}

} // namespace zarle::bench
