#include "persistence/dialogs/frmScoreStat.h"

#include "persistence/games/HighScores.h"
#include "base/records/RecordDate.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zarle {

namespace {

constexpr int GridScoresRoom = 11; // the computer and ten players before the grid scrolls
constexpr int HighRows = 10;
// Colours as the game keeps them, &HBBGGRR.
constexpr uint32_t EvenRowColor = 0xFFFFC0;
constexpr uint32_t RankingColumnColor = 0xC0FFFF;

QColor FromBgr(uint32_t color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidget* MakeGrid(QWidget* parent, const QString& name, const QStringList& columns,
                       const QStringList& rows) {
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(name);
    grid->setColumnCount(static_cast<int>(columns.size()));
    grid->setHorizontalHeaderLabels(columns);
    grid->setRowCount(static_cast<int>(rows.size()));
    if (!rows.isEmpty()) grid->setVerticalHeaderLabels(rows);
    grid->verticalHeader()->setVisible(!rows.isEmpty());
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows as high as the text needs, whatever the style would give them.
    grid->verticalHeader()->setMinimumSectionSize(0);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setSectionsClickable(false);
    grid->verticalHeader()->setSectionsClickable(false);
    return grid;
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text, bool left = false) {
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    item->setText(text);
    item->setTextAlignment(left ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
}

// The grid as large as its columns and `rows` rows, the first columns at least as wide as
// `minWidths` says (in characters like these); it scrolls only for more rows. Its headers count
// whether or not its tab is showing.
void FitGrid(QTableWidget* grid, int rows, const QStringList& minWidths = {}) {
    grid->ensurePolished();
    grid->resizeColumnsToContents();
    const QFontMetrics metrics = grid->fontMetrics();
    int width = 2 * grid->frameWidth();
    if (!grid->verticalHeader()->isHidden()) width += grid->verticalHeader()->sizeHint().width();
    for (int c = 0; c < grid->columnCount(); ++c) {
        const int least = c < minWidths.size() ? metrics.horizontalAdvance(minWidths[c]) : 0;
        grid->setColumnWidth(c, std::max(grid->columnWidth(c), least) + metrics.horizontalAdvance("  "));
        width += grid->columnWidth(c);
    }
    const bool scrolls = grid->rowCount() > rows;
    grid->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (scrolls) width += grid->verticalScrollBar()->sizeHint().width();
    const int height = 2 * grid->frameWidth() + grid->horizontalHeader()->sizeHint().height() +
                       rows * grid->verticalHeader()->defaultSectionSize();
    grid->setFixedSize(width, height);
}

QString Number(int32_t value) {
    return QString::number(value);
}

QString DateText(double date) {
    const auto time = FromRecordDate(date);
    if (!time) return QString();
    const auto seconds = time->time_since_epoch().count();
    const QDateTime when = QDateTime(QDate(1970, 1, 1), QTime(0, 0)).addSecs(seconds);
    const QLocale locale;
    return locale.toString(when.date(), QLocale::ShortFormat) + " " + locale.toString(when.time(), "hh:mm");
}

} // namespace

frmScoreStat::frmScoreStat(Scoreboard& scoreboard, const ProfileState& profile, int scoreTab, QWidget* parent)
    : QDialog(parent), scoreboard_(scoreboard), profile_(profile) {
    setObjectName("frmScoreStat");
    setWindowTitle("Scores and Stats");
    setModal(true);
    SSTab1 = new QTabWidget(this);
    SSTab1->addTab(ScoresPage(), "Scores");
    SSTab1->addTab(StatisticsPage(), "Statistics");
    SSTab1->addTab(HighScoresPage(), "High Scores");
    cmdClose = new QPushButton("&Close", this);
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(SSTab1);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Opening: the scores first, then the tab asked for.
    fraMaintain->setEnabled(true);
    SSTab1->setCurrentIndex(ScoresTab);
    PrintNames();
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmScoreStat::SSTab1_Click);
    if (scoreTab == StatisticsTab || scoreTab == HighScoresTab) SSTab1->setCurrentIndex(scoreTab);
}

// --- Scores tab ---

QWidget* frmScoreStat::ScoresPage() {
    auto* page = new QWidget(this);
    GridScores =
        MakeGrid(page, "GridScores", {"Player Name", "Games Played", "Wins", "Losses", "Margin"}, {});
    GridScores->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridScores->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(GridScores, &QTableWidget::cellClicked, this, &frmScoreStat::GridScores_Click);
    Label1 = new QLabel(page);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumHeight(Label1->fontMetrics().height());

    fraMaintain = new QGroupBox("Scoreboard Maintenance", page);
    auto* buttons = new QGridLayout(fraMaintain);
    const char* captions[] = {"Delete Player", "Delete ALL Players", "Clear Player Scores",
                              "Clear ALL scores"};
    for (int i = 0; i < 4; ++i) {
        Maintance[i] = new QPushButton(captions[i], fraMaintain);
        Maintance[i]->setAutoDefault(false);
        buttons->addWidget(Maintance[i], i % 2, i / 2);
        connect(Maintance[i], &QPushButton::clicked, this, [this, i] { Maintance_Click(i); });
    }

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(GridScores, 0, Qt::AlignHCenter);
    layout->addWidget(Label1);
    layout->addWidget(fraMaintain);
    layout->addStretch(1);
    return page;
}

// The window grows with what its grids came to hold, at once rather than at the next pass of the
// event loop.
void frmScoreStat::FitWindow() {
    if (!SSTab1 || !layout()) return; // still being built
    for (QWidget* w = SSTab1->currentWidget(); w && w != this; w = w->parentWidget())
        if (w->layout()) w->layout()->invalidate();
    layout()->invalidate();
    layout()->activate();
}

void frmScoreStat::PrintNames() {
    const ScoreListing listing = scoreboard_.PrintNames();
    const int rows = std::max<int>(GridScoresRoom, static_cast<int>(listing.Players.size()) + 1);
    GridScores->clearContents();
    GridScores->setRowCount(rows);
    const auto put = [this](int row, const ScoreRow& score, const std::string& name) {
        SetCell(GridScores, row, 0, ToQ(name), true);
        SetCell(GridScores, row, 1, Number(score.Games));
        SetCell(GridScores, row, 2, Number(score.Wins));
        SetCell(GridScores, row, 3, Number(score.Losses));
        SetCell(GridScores, row, 4, Number(score.Margin));
    };
    put(0, listing.Computer, listing.ComputerCaption);
    for (size_t i = 0; i < listing.Players.size(); ++i)
        put(static_cast<int>(i) + 1, listing.Players[i], listing.Players[i].Name);
    FitGrid(GridScores, GridScoresRoom, {QString(16, 'n')});
    FitWindow();
}

void frmScoreStat::GridScores_Click(int row, int column) {
    if (column == 0) {
        selectedRow_ = row + 1;
        GridScores->selectRow(row);
        return;
    }
    selectedRow_ = 0;
    GridScores->clearSelection();
}

void frmScoreStat::Maintance_Click(int index) {
    const auto outcome = scoreboard_.Maintance(static_cast<Maintenance>(index), selectedRow_,
                                               Maintance[index]->text().toStdString());
    if (outcome.Beep) QApplication::beep();
    if (!outcome.Message.empty()) Label1->setText(ToQ(outcome.Message));
    if (!outcome.Changed) return;
    selectedRow_ = 0;
    GridScores->clearSelection();
    PrintNames();
    statsFilled_ = false;
}

void frmScoreStat::SSTab1_Click(int tab) {
    if (tab == StatisticsTab && !statsFilled_) {
        Combo1->clear();
        const auto names = scoreboard_.StatsPlayers(currentListed_);
        for (const std::string& name : names) Combo1->addItem(ToQ(name));
        Combo1->setCurrentIndex(0);
        chosenRecord_ = profile_.PlayerRecNo;
        runVals_ = {};
        if (profile_.PlayerNames.empty() || !currentListed_)
            GetRun();
        else
            GetStats();
        statsFilled_ = true;
    } else if (tab == HighScoresTab && !highLaidOut_) {
        highFirst_ = RunListFirst;
        highLast_ = RunListLast;
        HighStuff();
        highLaidOut_ = true;
    }
}

// --- Statistics tab ---

QWidget* frmScoreStat::StatisticsPage() {
    auto* page = new QWidget(this);
    Combo1 = new QComboBox(page);
    Combo1->setMinimumContentsLength(20);
    connect(Combo1, &QComboBox::activated, this, &frmScoreStat::Combo1_Click);
    lblFkey[1] = new QLabel("CTRL+F3", page);
    GridStats = MakeGrid(page, "GridStats", {"Games Played", "Wins", "Losses", "Margin"},
                         {"Overall", "Level:Average", "Level:Clever", "Level:Ruthless", "2 Players",
                          "3 Players", "4 Players"});
    GridRun =
        MakeGrid(page, "GridRun", {"Side", "Hand", "Hold", "Total", "", "Side", "Hand", "Hold", "Total"},
                 {"Best Run- Opponent", "Best Side- Opponent", "Best Run- Player", "Best Side- Player"});
    Label2 = new QLabel("Best Against Zarle:", page);
    Label3 = new QLabel("Current Game:", page);
    cmdClearStats = new QPushButton("Clear Run Stats", page);
    cmdClearStats->setAutoDefault(false);
    connect(cmdClearStats, &QPushButton::clicked, this, &frmScoreStat::cmdClearStats_Click);
    FitGrid(GridStats, GridStats->rowCount());
    FitGrid(GridRun, GridRun->rowCount());

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Player:", page));
    top->addWidget(Combo1);
    top->addStretch(1);
    top->addWidget(lblFkey[1]);
    // The titles stand over the records' and the game's columns; they follow the grid.
    GridRun->installEventFilter(this);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(GridStats, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addSpacing(Label2->sizeHint().height() + 2);
    layout->addWidget(GridRun, 0, Qt::AlignHCenter);
    layout->addWidget(cmdClearStats, 0, Qt::AlignRight);
    layout->addStretch(1);
    return page;
}

bool frmScoreStat::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == GridRun && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show)) {
        const int left = GridRun->x() + GridRun->frameWidth() + GridRun->verticalHeader()->width();
        const int top = GridRun->y() - Label2->sizeHint().height() - 2;
        Label2->move(left, top);
        Label3->move(left + GridRun->horizontalHeader()->sectionPosition(5), top);
        Label2->adjustSize();
        Label3->adjustSize();
    }
    return QDialog::eventFilter(watched, event);
}

void frmScoreStat::Combo1_Click(int index) {
    chosenRecord_ = scoreboard_.RecordOf(Combo1->itemText(index).toStdString());
    if (!currentListed_ && chosenRecord_ == profile_.PlayerRecNo) return;
    GetStats();
}

void frmScoreStat::GetStats() {
    const PlayerStats stats = scoreboard_.GetStats(chosenRecord_);
    runVals_ = stats.Runs;
    for (int c = 0; c < ScoreCategories; ++c) {
        const ScoreRow& row = stats.Categories[c];
        SetCell(GridStats, c, 0, Number(row.Games));
        SetCell(GridStats, c, 1, Number(row.Wins));
        SetCell(GridStats, c, 2, Number(row.Losses));
        SetCell(GridStats, c, 3, Number(row.Margin));
    }
    GetRun();
}

void frmScoreStat::GetRun() {
    const RunGrid grid = scoreboard_.GetRun(runVals_);
    for (int row = 1; row <= 4; ++row)
        for (int column = 1; column <= 9; ++column)
            SetCell(GridRun, row - 1, column - 1, ToQ(grid[row][column]));
    FitGrid(GridRun, GridRun->rowCount());
    FitGrid(GridStats, GridStats->rowCount());
    FitWindow();
}

void frmScoreStat::cmdClearStats_Click() {
    if (!scoreboard_.ClearRunStats(chosenRecord_, cmdClearStats->text().toStdString())) return;
    runVals_ = {};
    GetRun();
}

// --- High-score tab ---

QWidget* frmScoreStat::HighScoresPage() {
    auto* page = new QWidget(this);
    fraHigh = new QGroupBox(page);
    lblBest = new QLabel("Best Overall", fraHigh);
    QFont bold = lblBest->font();
    bold.setBold(true);
    lblBest->setFont(bold);
    lblFkey[2] = new QLabel("CTRL+SHIFT+F3", fraHigh);
    GridHigh = MakeGrid(fraHigh, "GridHigh", {"Date", "Player Name", "Side", "Hand", "Hold", "Total"}, {});
    GridHigh->verticalHeader()->setVisible(true);
    cmdSwitch = new QPushButton("Show Best Side", fraHigh);
    cmdClear = new QPushButton("Clear Best Run Stats", fraHigh);
    for (QPushButton* button : {cmdSwitch, cmdClear}) button->setAutoDefault(false);
    connect(cmdSwitch, &QPushButton::clicked, this, &frmScoreStat::cmdSwitch_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmScoreStat::cmdClear_Click);
    HighStuff();

    auto* titles = new QHBoxLayout;
    titles->addWidget(lblBest);
    titles->addStretch(1);
    titles->addWidget(lblFkey[2]);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSwitch);
    buttons->addStretch(1);
    buttons->addWidget(cmdClear);
    auto* frame = new QVBoxLayout(fraHigh);
    frame->addLayout(titles);
    frame->addWidget(GridHigh, 0, Qt::AlignHCenter);
    frame->addLayout(buttons);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fraHigh);
    layout->addStretch(1);
    return page;
}

void frmScoreStat::SetUpGridHigh() {
    GridHigh->clearContents();
    GridHigh->setRowCount(HighRows);
    for (int row = 0; row < HighRows; ++row) {
        GridHigh->setVerticalHeaderItem(row, new QTableWidgetItem(QString::number(row + 1)));
        for (int column = 0; column < GridHigh->columnCount(); ++column) {
            SetCell(GridHigh, row, column, "", column == 1);
            if (row % 2 == 1) GridHigh->item(row, column)->setBackground(FromBgr(EvenRowColor));
        }
    }
}

void frmScoreStat::HighStuff() {
    SetUpGridHigh();
    const bool sideList = highFirst_ != RunListFirst;
    const auto entries = scoreboard_.HighStuff(highFirst_, highLast_);
    for (int row = 0; row < static_cast<int>(entries.size()) && row < HighRows; ++row) {
        const HighScoreRecord& entry = entries[row];
        if (entry.Date != 0) {
            SetCell(GridHigh, row, 0, DateText(entry.Date));
            SetCell(GridHigh, row, 1, ToQ(entry.Name), true);
            SetCell(GridHigh, row, 2, Number(entry.Value0));
            SetCell(GridHigh, row, 3, Number(entry.Value1));
            SetCell(GridHigh, row, 4, Number(entry.Value2));
            SetCell(GridHigh, row, 5, Number(entry.Value3));
        }
        GridHigh->item(row, sideList ? 2 : 5)->setBackground(FromBgr(RankingColumnColor));
    }
    // Room for a date and a name however short the entries are.
    FitGrid(GridHigh, HighRows, {"00/00/0000 00:00", QString(20, 'n')});
    FitWindow();
}

void frmScoreStat::cmdSwitch_Click() {
    if (cmdSwitch->text() == "Show Best Side") {
        lblBest->setText("Best Side Run");
        highFirst_ = SideListFirst;
        highLast_ = SideListLast;
        cmdSwitch->setText("Show Overall");
    } else {
        lblBest->setText("Best Overall");
        highFirst_ = RunListFirst;
        highLast_ = RunListLast;
        cmdSwitch->setText("Show Best Side");
    }
    HighStuff();
}

void frmScoreStat::cmdClear_Click() {
    if (scoreboard_.ClearBestRuns()) HighStuff();
}

void ScoreboardWindow::ShowModal(int scoreTab) {
    frmScoreStat window(scoreboard_, profile_, scoreTab, board_);
    window.exec();
}

} // namespace zarle
