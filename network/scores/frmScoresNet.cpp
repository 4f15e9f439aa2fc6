#include "network/scores/frmScoresNet.h"

#include "network/scores/NetScoreFiles.h"
#include "network/scores/NetScoreLists.h"
#include "persistence/profiles/ProfileText.h"
#include "network/scores/QtText.h"
#include "base/text/VbText.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace zarle {

namespace fs = std::filesystem;

namespace {

constexpr int DesignRows = 11;            // grid rows below the heading
const QColor Separator(0xC0, 0xFF, 0xFF); // &HFFFFC0
const QColor Blank(Qt::white);

QStringList Cells(const NetScoreRecord& r) {
    return {Q(Trim(r.Name)), QString::number(r.Games), QString::number(r.Wins),
            QString::number(r.Games - r.Wins), QString::number(r.Margin)};
}

// The player part of a UserList entry ("Alice_2" -> "Alice").
std::string PlayerOf(const std::string& entry) {
    return entry.size() >= 2 ? entry.substr(0, entry.size() - 2) : entry;
}

} // namespace

frmScoresNet::frmScoresNet(GameState& game, const ProfileState& profile, MessageBoxPort& box,
                           std::function<void()> readUsers, QWidget* parent)
    : QDialog(parent), s_(game), profile_(profile), box_(box), readUsers_(std::move(readUsers)) {
    setObjectName("frmScoresNet");
    setWindowTitle("ZarleNET Internet Game Scores");
    setAttribute(Qt::WA_DeleteOnClose);

    Label1 = new QLabel(this);
    QFont big = Label1->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 2);
    Label1->setFont(big);
    cboMulti = new QComboBox(this);
    cboMulti->addItems({"2 Player Games", "3 Player Games", "4 Player Games"});
    Combo1 = new QComboBox(this);
    Combo1->setMinimumContentsLength(18);
    GridNET = new QTableWidget(DesignRows, 5, this);
    GridNET->setHorizontalHeaderLabels({"Opponent Name", "Games Played", "Wins", "Losses", "Margin"});
    GridNET->verticalHeader()->hide();
    GridNET->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridNET->setSelectionMode(QAbstractItemView::SingleSelection);
    GridNET->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridNET->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    GridNET->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    GridNET->setMinimumSize(fontMetrics().averageCharWidth() * 70, fontMetrics().height() * 16);

    CmdNext = new QPushButton("Next ->", this);
    CmdNext->setToolTip("View other player's Net scores");
    Command4 = new QPushButton("Delete Opponent", this);
    Command2 = new QPushButton("Delete File", this);
    Command2->setToolTip("A fresh start might help");
    Command1 = new QPushButton("Return", this);
    Command1->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(Label1, 1);
    top->addWidget(cboMulti);
    top->addWidget(Combo1);
    auto* buttons = new QHBoxLayout;
    for (auto* b : {CmdNext, Command4, Command2}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(GridNET);
    layout->addLayout(buttons);

    connect(cboMulti, &QComboBox::activated, this, [this] { cboMulti_Click(); });
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    connect(GridNET, &QTableWidget::cellClicked, this,
            [this](int row, int column) { GridNET_Click(row + 1, column); });
    connect(CmdNext, &QPushButton::clicked, this, [this] { CmdNext_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, &QDialog::close);
    Form_Load();
}

void frmScoresNet::Form_Load() {
    ClearGrid();
    const auto& users = profile_.UserList;
    CmdNext->setEnabled(users.size() > 1);
    int shown = 0;
    const std::string own = Upper(Trim(s_.PlayerName)) + "_2";
    for (size_t i = 0; i < users.size(); ++i)
        if (Upper(Trim(users[i])) == own) {
            shown = static_cast<int>(i);
            break;
        }
    ShowEntry(shown);
}

// Shows entry `index` of the user list as a 2-player listing of its default file.
void frmScoresNet::ShowEntry(int index) {
    listBusy_ = true;
    userIdx_ = index;
    if (index >= 0 && index < static_cast<int>(profile_.UserList.size()))
        playerShown_ = PlayerOf(profile_.UserList[index]);
    cboMulti->setCurrentIndex(0);
    CompetitionList();
    PrintUsers();
    listBusy_ = false;
}

int frmScoresNet::Players() const {
    return cboMulti->currentIndex() + 2;
}

void frmScoresNet::PrintUsers() {
    ClearGrid();
    selectedRec_ = 0;
    if (userIdx_ < 0 || userIdx_ >= static_cast<int>(profile_.UserList.size())) return;
    const std::string entry = profile_.UserList[userIdx_];
    const fs::path users = NetUsersFolder(s_.AppPath);
    if (Combo1->currentIndex() < 1) {
        playerShown_ = PlayerOf(entry);
        Label1->setText(Q("ZarleNET Player: " + playerShown_));
        if (entry.empty() || entry.back() != '2') return;
        fileShown_ = (users / (entry + ".ran")).string();
    } else {
        fileShown_ = (users / (playerShown_ + "_2" + compSuffix_ + ".rcm")).string();
    }
    auto records = ReadNetScores(fileShown_, 2);
    scoreLastRec_ = records.empty() ? 0 : records[0].LastRec;
    if (records.size() < 2) return;
    std::sort(records.begin() + 1, records.end(), [](const NetScoreRecord& a, const NetScoreRecord& b) {
        return Upper(Trim(a.Name)) < Upper(Trim(b.Name));
    });
    for (size_t i = 1; i < records.size(); ++i) SetRow(static_cast<int>(i), Cells(records[i]), Blank);
    GridNET->setCurrentCell(0, 0);
}

void frmScoresNet::PrintCompetition() {
    ClearGrid();
    selectedRec_ = 0;
    const int players = Players();
    std::string file = playerShown_ + "_" + std::to_string(players);
    file += Combo1->currentIndex() >= 1 ? compSuffix_ + ".rcm" : ".ran";
    fileShown_ = (NetUsersFolder(s_.AppPath) / file).string();
    const auto records = ReadNetScores(fileShown_, players);
    scoreLastRec_ = records.empty() ? 0 : records[0].LastRec;
    int row = 1;
    for (size_t i = 1; i < records.size(); ++i) {
        SetRow(row++, Cells(records[i]), Blank);
        if (i % players == 0) SetRow(row++, {" ", " ", " ", " ", " "}, Separator);
    }
}

void frmScoresNet::ListAgain() {
    if (Players() == 2)
        PrintUsers();
    else
        PrintCompetition();
}

void frmScoresNet::ClearGrid() {
    GridNET->clearContents();
    GridNET->setRowCount(DesignRows);
    for (int row = 1; row <= DesignRows; ++row) SetRow(row, {"", "", "", "", ""}, Blank);
}

void frmScoresNet::SetRow(int row, const QStringList& cells, const QColor& back) {
    if (row > GridNET->rowCount()) GridNET->setRowCount(row);
    for (int c = 0; c < 5; ++c) {
        auto* item = new QTableWidgetItem(cells.value(c));
        item->setBackground(back);
        if (c > 0) item->setTextAlignment(Qt::AlignCenter);
        GridNET->setItem(row - 1, c, item);
    }
}

// The competitions of the player shown at the chosen table size.
void frmScoresNet::CompetitionList() {
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
    Combo1->addItem("Default Score File");
    if (!playerShown_.empty()) {
        const std::string fileStem = playerShown_ + "_" + std::to_string(Players());
        for (const auto& name : ListScoreFiles(NetUsersFolder(s_.AppPath), fileStem))
            Combo1->addItem(Q(name));
    }
    Combo1->setCurrentIndex(0);
}

void frmScoresNet::cboMulti_Click() {
    CompetitionList();
    fileShown_ =
        (NetUsersFolder(s_.AppPath) / (playerShown_ + "_" + std::to_string(Players()) + ".ran")).string();
    std::error_code error;
    if (fs::exists(fileShown_, error))
        ListAgain();
    else
        ClearGrid();
}

void frmScoresNet::Combo1_Click() {
    if (Combo1->currentIndex() >= 1) compSuffix_ = "_" + Combo1->currentText().toStdString();
    if (!listBusy_) ListAgain();
}

void frmScoresNet::CmdNext_Click() {
    const auto& users = profile_.UserList;
    if (users.empty()) return;
    const std::string previous = PlayerOf(users[std::min<size_t>(userIdx_, users.size() - 1)]);
    int next = userIdx_;
    for (size_t step = 0; step < users.size(); ++step) {
        next = (next + 1) % static_cast<int>(users.size());
        if (PlayerOf(users[next]) != previous) break;
    }
    ShowEntry(next);
}

void frmScoresNet::GridNET_Click(int row, int column) {
    if (column != 0 || row < 1) return;
    if (Players() == 2) {
        selectedRec_ = row;
        return;
    }
    const auto* item = GridNET->item(row - 1, 0);
    if (!item || item->background().color() == Separator || item->text().trimmed().isEmpty()) return;
    const auto pick = PickLineUp(row, Players());
    GridNET->setCurrentCell(pick.FirstRow - 1, 0);
    selectedRec_ = pick.FirstRec;
}

void frmScoresNet::Command4_Click() {
    if (selectedRec_ == 0 || selectedRec_ > scoreLastRec_) {
        Label1->setText("Select a player");
        QApplication::beep();
        return;
    }
    if (box_.MsgBox("Are you sure you want to delete this opponent?", MbYesNo, "DELETE OPPONENT") !=
        AnswerYes)
        return;
    if (Players() == 2) {
        const auto* item = GridNET->item(GridNET->currentRow(), 0);
        const std::string name = item ? item->text().toStdString() : std::string();
        if (DeleteOpponent(fileShown_, name) != DeleteOutcome::Deleted)
            box_.MsgBox("Opponent Not Found", MbInformation, "DELETE OPPONENT");
    } else {
        DeleteLineUp(fileShown_, selectedRec_, Players());
    }
    ListAgain();
}

void frmScoresNet::Command2_Click() {
    if (box_.MsgBox("Are you sure you want to delete this entire score file?", MbYesNo, "DELETE PLAYER") !=
        AnswerYes)
        return;
    ClearGrid();
    std::error_code error;
    fs::remove(fileShown_, error);
    box_.MsgBox("Score file eliminated.", MbExclamation, "DELETE Score File");
    if (readUsers_) readUsers_();
    if (profile_.UserList.empty()) {
        close();
        return;
    }
    userIdx_ = std::min<int>(userIdx_, static_cast<int>(profile_.UserList.size()) - 1);
    CmdNext->setEnabled(profile_.UserList.size() > 1);
    CmdNext_Click();
}

} // namespace zarle
