// The saved-games and scoreboard windows on screen: opened as the menus open them, driven with
// mouse and keys, checked by what they wrote to the files; pictures of each are saved under
// dialog-shots/ for review, with the standard and a large font.

#include "tests/persistence/games/GamesFixture.h"
#include "persistence/games/HighScores.h"
#include "tests/support/PicturesFolder.h"
#include "base/records/RecordFile.h"
#include "persistence/games/SavedGameCopy.h"
#include "base/records/ScoreRecord.h"
#include "persistence/games/Scoreboard.h"
#include "persistence/dialogs/frmSave.h"
#include "persistence/dialogs/frmScoreStat.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

// One application for the whole run, left for the process to end.
void App() {
    static int argc = 1;
    static char name[] = "games_window_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    (void)app;
}

// The standard font, and one half as large again as a large-fonts screen has it.
struct FontSize {
    const char* name;
    double scale;
};
const FontSize FontSizes[] = {{"standard", 1.0}, {"large-fonts", 1.5}};

class ScopedFont {
  public:
    explicit ScopedFont(double scale) : kept_(QApplication::font()) {
        QFont font = kept_;
        font.setPointSizeF(kept_.pointSizeF() * scale);
        QApplication::setFont(font);
    }
    ~ScopedFont() { QApplication::setFont(kept_); }

  private:
    QFont kept_;
};

void SavePicture(QWidget& window, const std::string& name) {
    const QString folder = QString::fromStdString(zarle::testing::PicturesFolder("dialog-shots").string());
    const QString file = folder + "/" + QString::fromStdString(name) + ".png";
    EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
}

// The window fits a screen of the small display size (800 x 600) with the standard font, and a
// 1024 x 768 screen with large fonts.
void ExpectFitsScreen(QWidget& window, double scale) {
    const QSize room = scale > 1 ? QSize(1024, 768) : QSize(800, 600);
    EXPECT_LE(window.width(), room.width());
    EXPECT_LE(window.height(), room.height() - 40); // the task bar
}

// Runs `drive` on the modal window once it is up.
template <class Window> void WhenShown(std::function<void(Window&)> drive) {
    QTimer::singleShot(0, [drive] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        drive(*window);
    });
}

void Click(QWidget* widget) {
    ASSERT_TRUE(widget->isVisible() && widget->isEnabled());
    QTest::mouseClick(widget, Qt::LeftButton);
}

std::vector<uint8_t> RecordBytes(const std::vector<uint8_t>& file, int n, size_t length) {
    const auto from = file.begin() + static_cast<std::ptrdiff_t>((n - 1) * length);
    return {from, from + static_cast<std::ptrdiff_t>(length)};
}

std::vector<uint8_t> Encoded(const SavedGameRecord& record) {
    const auto bytes = record.Encode();
    return {bytes.begin(), bytes.end()};
}

class SaveWindowTest : public GamesTest {
  protected:
    void SetUp() override {
        App();
        GamesTest::SetUp();
    }
    SaveWindow window{nullptr};
    SavedGames games{state, profiles,
                     SavedGamesPorts{Game, Board, View, Opponents, Sound, Waiter, Box, Net, window}};
};

TEST_F(SaveWindowTest, ASaveTypedIntoASlotIsWrittenThere) {
    for (const FontSize& font : FontSizes) {
        ScopedFont scoped(font.scale);
        Deal(3);
        std::filesystem::remove(games.SaveFile());
        WhenShown<frmSave>([&](frmSave& w) {
            EXPECT_EQ(w.cmdSave->text(), "Save");
            EXPECT_FALSE(w.Check1->isVisible());
            EXPECT_FALSE(w.Text1[AutoSaveSlot]->isVisible());
            EXPECT_EQ(w.Text1[4]->text(), "game 4");
            Click(w.cmdSave);
            EXPECT_EQ(w.Label1->text(), "Select a game slot!");
            Click(w.Text1[4]);
            EXPECT_EQ(w.Text1[4]->text(), "3P_");
            EXPECT_EQ(w.Text1[4]->cursorPosition(), 3);
            QTest::keyClicks(w.Text1[4], "friday");
            EXPECT_EQ(w.Label1->text(), "");
            ExpectFitsScreen(w, font.scale);
            SavePicture(w, std::string("saved-games-save-") + font.name);
            Click(w.cmdSave);
        });
        games.SaveGame();
        SavedGameRecord expected = BoardRecord();
        expected.Name = "3P_friday";
        const auto file = ReadBytes(games.SaveFile());
        ASSERT_EQ(file.size(), 4 * SavedGameRecord::Size);
        EXPECT_EQ(RecordBytes(file, 4, SavedGameRecord::Size), Encoded(expected));
        for (int slot = 1; slot <= 3; ++slot)
            EXPECT_EQ(RecordBytes(file, slot, SavedGameRecord::Size),
                      std::vector<uint8_t>(SavedGameRecord::Size, 0));
    }
}

TEST_F(SaveWindowTest, CancelAfterChoosingASlotAsksOnceAndWritesNothing) {
    Deal(2);
    const auto before = ReadBytes(games.SaveFile());
    Box.Answers = {AnswerNo};
    WhenShown<frmSave>([&](frmSave& w) {
        Click(w.Text1[7]);
        Click(w.Command2);
        EXPECT_FALSE(w.isVisible());
    });
    games.SaveGame();
    EXPECT_EQ(Log.Starting({"MsgBox"}).size(), 1u);
    EXPECT_TRUE(games.DialogCancelled());
    EXPECT_EQ(ReadBytes(games.SaveFile()), before);
}

TEST_F(SaveWindowTest, RestoringASlotAndTickingAutoSave) {
    for (const FontSize& font : FontSizes) {
        ScopedFont scoped(font.scale);
        Deal(2);
        PlayTurns(3);
        SavedGameRecord saved = BoardRecord();
        saved.Name = "evening";
        WriteSlot(2, saved);
        SavedGameRecord damaged = saved;
        damaged.Deck[1] = damaged.Deck[2];
        WriteSlot(4, damaged);
        Deal(2, 26, 4);
        Game.TempMoves_Open(false);
        WhenShown<frmSave>([&](frmSave& w) {
            EXPECT_EQ(w.cmdSave->text(), "Restore");
            EXPECT_FALSE(w.Text1[1]->isEnabled());
            EXPECT_EQ(w.Text1[2]->text(), "evening");
            EXPECT_EQ(w.Text1[4]->text(), "game 4 (damaged)");
            EXPECT_FALSE(w.Text1[4]->isEnabled());
            EXPECT_TRUE(w.Text1[2]->isReadOnly());
            EXPECT_FALSE(w.Check1->isChecked());
            // AutoSave on in the middle of a game: the copies are written at once.
            Click(w.Check1);
            EXPECT_TRUE(state.TempMovesOpen);
            EXPECT_TRUE(w.Text1[AutoSaveSlot]->isVisible());
            SavedGameRecord copy = BoardRecord();
            copy.Name = "AutoSave";
            const auto file = ReadBytes(games.SaveFile());
            EXPECT_EQ(RecordBytes(file, 12, SavedGameRecord::Size), Encoded(copy));
            EXPECT_EQ(RecordBytes(file, 14, SavedGameRecord::Size), Encoded(copy));
            Click(w.Text1[2]);
            ExpectFitsScreen(w, font.scale);
            SavePicture(w, std::string("saved-games-restore-") + font.name);
            Click(w.cmdSave);
        });
        games.RestoreGame();
        SavedGameRecord back = BoardRecord();
        back.WorkSideCount = saved.WorkSideCount;
        back.WorkSidePos = saved.WorkSidePos;
        back.Name = saved.Name;
        EXPECT_EQ(back, saved);
        SavedGameRecord copy = saved;
        copy.Name = "AutoSave";
        const auto file = ReadBytes(games.SaveFile());
        EXPECT_EQ(RecordBytes(file, 2, SavedGameRecord::Size), Encoded(saved));
        EXPECT_EQ(RecordBytes(file, 11, SavedGameRecord::Size), Encoded(copy));
        EXPECT_EQ(RecordBytes(file, 12, SavedGameRecord::Size), Encoded(copy));
    }
}

// The window from the keyboard alone: the cursor starts in the first slot, typing or the arrows and
// Tab choose a slot, and Enter saves or restores it.
TEST_F(SaveWindowTest, TheWindowIsUsedFromTheKeyboard) {
    Deal(2);
    std::filesystem::remove(games.SaveFile());
    const auto keys = [](frmSave& w, const std::function<void(frmSave&)>& press) {
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        ASSERT_EQ(QApplication::focusWidget(), w.Text1[1]);
        press(w);
    };
    WhenShown<frmSave>([&](frmSave& w) {
        keys(w, [](frmSave& w) {
            QTest::keyClicks(w.Text1[1], "friday");
            EXPECT_EQ(w.Text1[1]->text().toStdString(), "friday") << "in the place of the slot's name";
            EXPECT_EQ(w.Text1[1]->palette().color(QPalette::Base), w.palette().color(QPalette::ToolTipBase))
                << "shown as the slot chosen";
            QTest::keyClick(w.Text1[1], Qt::Key_Return);
        });
    });
    games.SaveGame();
    EXPECT_EQ(SlotRecord(1).Name, "friday");

    WhenShown<frmSave>([&](frmSave& w) {
        keys(w, [](frmSave& w) {
            QTest::keyClick(w.Text1[1], Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), w.Text1[2]);
            EXPECT_EQ(w.Text1[2]->text().toStdString(), "2P_");
            QTest::keyClick(w.Text1[2], Qt::Key_Down);
            ASSERT_EQ(QApplication::focusWidget(), w.Text1[3]);
            EXPECT_EQ(w.Text1[3]->text().toStdString(), "2P_");
            QTest::keyClick(w.Text1[3], Qt::Key_Up);
            EXPECT_EQ(w.Text1[3]->text().toStdString(), "game 3");
            QTest::keyClicks(QApplication::focusWidget(), "x");
            EXPECT_EQ(w.Text1[2]->text().toStdString(), "2P_x");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
    });
    games.SaveGame();
    EXPECT_EQ(SlotRecord(2).Name, "2P_x");

    Deal(2, 26, 4);
    WhenShown<frmSave>([&](frmSave& w) {
        keys(w, [](frmSave& w) {
            QTest::keyClick(w.Text1[1], Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            EXPECT_FALSE(w.isVisible());
        });
    });
    games.RestoreGame();
    EXPECT_EQ(state.SaveSlot, 2);
    EXPECT_EQ(state.SideSizeM1, 19) << "the game of slot 2 is on the board";
}

// The AutoSave box stays under the mouse: the window keeps its size as the automatic-save slot
// comes and goes.
TEST_F(SaveWindowTest, TickingAutoSaveOnAndOffKeepsTheWindowsSize) {
    Deal(2);
    WhenShown<frmSave>([&](frmSave& w) {
        ASSERT_TRUE(w.Check1->isChecked());
        const QRect window = w.geometry();
        const QRect box = w.Check1->geometry();
        for (const bool ticked : {false, true}) {
            Click(w.Check1);
            ASSERT_EQ(w.Check1->isChecked(), ticked);
            w.layout()->activate();
            QApplication::processEvents();
            EXPECT_EQ(w.geometry(), window) << ticked;
            EXPECT_EQ(w.Check1->geometry(), box) << ticked;
            if (!ticked) SavePicture(w, "saved-games-restore-autosave-off");
        }
        Click(w.Command2);
    });
    games.RestoreGame();
}

class ScoreWindowTest : public GamesTest {
  protected:
    void SetUp() override {
        App();
        GamesTest::SetUp();
        PlayerRecord ann = Player("Ann"), bob = Player("Bob");
        bob.Games[0] = 12;
        bob.Wins[0] = 2;
        bob.BestRuns[0] = {3, 9, 2};
        WritePlayers({Header("Pat"), ann, Player("Pat"), bob});
        profile.PlayerNames = {"Ann", "Pat", "Bob"};
        profile.PlayerRecNo = 3;
        profile.PersonalityIdx = 1;
        std::vector<HighScoreRecord> runs;
        for (int i = 0; i < 4; ++i)
            runs.push_back({45270.75 - i * 31, i == 1 ? "Zarle" : "Bob", int16_t(3 - i / 2), int16_t(12 - i),
                            2, int16_t(17 - i - i / 2)});
        ASSERT_EQ(HighScoreFile(DataFile("highscore.ran")).Write(RunListFirst, runs), "");
        ASSERT_EQ(HighScoreFile(DataFile("highscore.ran")).Write(SideListFirst, {runs[2]}), "");
        RecordFile scores(DataFile("scores.ran"), ScoreRecord::Size, RecordFile::Access::ReadWrite);
        WriteRecord(scores, 10, ScoreRecord{"Zarle", 2, 11, 2, 15});
    }
    QString Cell(QTableWidget* grid, int row, int column) {
        QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text() : QString();
    }
    void ClickCell(QTableWidget* grid, int row, int column) {
        const QRect cell = grid->visualItemRect(grid->item(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void ClickTab(frmScoreStat& w, int tab) {
        QTabBar* bar = w.SSTab1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        ASSERT_EQ(w.SSTab1->currentIndex(), tab);
    }
    Scoreboard scoreboard{state, profiles, Box};
    ScoreboardWindow window{scoreboard, profile, nullptr};
};

TEST_F(ScoreWindowTest, DeletePlayerOnTheScoresTab) {
    const auto before = PlayersBytes();
    WhenShown<frmScoreStat>([&](frmScoreStat& w) {
        EXPECT_EQ(w.windowTitle(), "Scores and Stats");
        EXPECT_EQ(w.SSTab1->currentIndex(), ScoresTab);
        EXPECT_EQ(Cell(w.GridScores, 0, 0), "Zarle (& friends)");
        EXPECT_EQ(Cell(w.GridScores, 0, 1), "26");
        EXPECT_EQ(Cell(w.GridScores, 3, 0), "Bob");
        EXPECT_EQ(Cell(w.GridScores, 3, 3), "10");
        EXPECT_EQ(w.GridScores->rowCount(), 11);

        Click(w.Maintance[0]);
        EXPECT_EQ(w.Label1->text(), "Select a player");
        ClickCell(w.GridScores, 0, 0);
        EXPECT_EQ(w.SelectedRow(), 1);
        Click(w.Maintance[0]);
        EXPECT_EQ(w.Label1->text(), "Sorry, Zarle stays.");
        ClickCell(w.GridScores, 2, 0); // the player's own row
        Click(w.Maintance[0]);
        EXPECT_EQ(w.Label1->text(), "Scores removed!");
        ClickCell(w.GridScores, 1, 2); // not a name: nothing selected
        EXPECT_EQ(w.SelectedRow(), 0);
        ClickCell(w.GridScores, 1, 0); // Ann
        Click(w.Maintance[0]);
        EXPECT_EQ(w.Label1->text(), "Player removed!");
        EXPECT_EQ(Cell(w.GridScores, 1, 0), "Pat");
        EXPECT_EQ(Cell(w.GridScores, 3, 0), "");
        Click(w.cmdClose);
    });
    window.ShowModal(ScoresTab);
    // Ann's record is gone, the later ones moved down, Pat's scores cleared.
    auto expected = RecordBytes(before, 1, PlayerRecord::Size);
    PlayerRecord pat = Player("Pat");
    pat.Games = pat.Wins = pat.Margin = {};
    const auto patBytes = pat.Encode();
    expected.insert(expected.end(), patBytes.begin(), patBytes.end());
    const auto bob = RecordBytes(before, 4, PlayerRecord::Size);
    expected.insert(expected.end(), bob.begin(), bob.end());
    EXPECT_EQ(PlayersBytes(), expected);
    EXPECT_EQ(profile.PlayerRecNo, 2);
}

TEST_F(ScoreWindowTest, EveryTabAndClearBestRunStats) {
    for (const FontSize& font : FontSizes) {
        ScopedFont scoped(font.scale);
        WhenShown<frmScoreStat>([&](frmScoreStat& w) {
            ExpectFitsScreen(w, font.scale);
            SavePicture(w, std::string("scoreboard-scores-") + font.name);
            ClickTab(w, StatisticsTab);
            EXPECT_EQ(w.Combo1->itemText(0), "Pat");
            EXPECT_EQ(w.Combo1->count(), 3);
            EXPECT_EQ(Cell(w.GridStats, 0, 0), "7");
            EXPECT_EQ(w.GridStats->verticalHeaderItem(1)->text(), "Level:Average");
            w.Combo1->setCurrentIndex(2);
            emit w.Combo1->activated(2); // Bob
            EXPECT_EQ(Cell(w.GridStats, 0, 2), "10");
            EXPECT_EQ(Cell(w.GridRun, 2, 3), "14");
            SavePicture(w, std::string("scoreboard-statistics-") + font.name);
            ClickTab(w, HighScoresTab);
            EXPECT_EQ(w.GridHigh->verticalHeaderItem(9)->text(), "10");
            EXPECT_EQ(Cell(w.GridHigh, 1, 1), "Zarle");
            EXPECT_EQ(Cell(w.GridHigh, 0, 5), "17");
            EXPECT_EQ(Cell(w.GridHigh, 6, 1), "");
            SavePicture(w, std::string("scoreboard-high-scores-") + font.name);
            Click(w.cmdSwitch);
            EXPECT_EQ(w.lblBest->text(), "Best Side Run");
            EXPECT_EQ(Cell(w.GridHigh, 0, 1), "Bob");
            Click(w.cmdClose);
        });
        window.ShowModal(ScoresTab);
    }

    // Ctrl+Shift+F3 opens on the high scores; clearing empties both lists and the computer's runs.
    const auto scoresBefore = ReadBytes(DataFile("scores.ran"));
    WhenShown<frmScoreStat>([&](frmScoreStat& w) {
        EXPECT_EQ(w.SSTab1->currentIndex(), HighScoresTab);
        Click(w.cmdClear);
        EXPECT_EQ(Cell(w.GridHigh, 0, 1), "");
        Click(w.cmdClose);
    });
    window.ShowModal(HighScoresTab);
    EXPECT_TRUE(
        Log.Has("MsgBox \"Clear all the high statistics in this table?\" 4 \"Delete Statistics\" -> 6"));
    std::vector<uint8_t> empties;
    for (int n = 0; n < 20; ++n) {
        const auto one = HighScoreRecord{}.Encode();
        empties.insert(empties.end(), one.begin(), one.end());
    }
    EXPECT_EQ(ReadBytes(DataFile("highscore.ran")), empties);
    auto expected = scoresBefore;
    std::fill_n(expected.begin() + 9 * ScoreRecord::Size + 20, 8, uint8_t{0});
    EXPECT_EQ(ReadBytes(DataFile("scores.ran")), expected);
}

} // namespace
} // namespace zarle::testing
