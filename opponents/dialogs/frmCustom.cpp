#include "opponents/dialogs/frmCustom.h"

#include "opponents/DataFiles.h"
#include "opponents/dialogs/DialogLook.h"
#include "engine/Utilities.h"
#include "base/text/VbText.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <filesystem>

namespace zarle {

namespace {

namespace fs = std::filesystem;

constexpr int ImageBox = 64;   // pixels of the first opponent's picture
constexpr int LineColumns = 2; // lines 1..10 beside lines 11..20
const QColor Yellow(0xFF, 0xFF, 0x00);

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void PaintBack(QLineEdit& line, const QColor& colour) {
    QPalette look = line.palette();
    look.setColor(QPalette::Base, colour);
    line.setPalette(look);
}

bool SamePath(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return EqualsNoCase(fs::weakly_canonical(a, error).string(), fs::weakly_canonical(b, error).string());
}

} // namespace

frmCustom::frmCustom(OpponentDialogPorts& ports, QWidget* parent)
    : QDialog(parent), ports_(ports), s_(ports.Game), profile_(ports.Profile()) {
    setObjectName("frmCustom");
    setWindowTitle("Custom Comments");
    BuildControls();
    LayOut();
    Form_Load();
}

void frmCustom::BuildControls() {
    auto* menus = new QMenuBar(this);
    GetFile = menus->addMenu("&File");
    const char* commands[] = {"&New Comment file", "&Open Existing", "&Save"};
    for (int i = 0; i < 3; ++i) GetFile->addAction(commands[i], this, [this, i] { GetGoing_Click(i); });
    GetFile->addSeparator();
    GetFile->addAction("E&xit", this, [this] { GetGoing_Click(Exit); });
    HelpMenu = menus->addMenu("&Help");
    HelpMenu->addAction("&Help", this, [this] { ports_.Help.ShowHelp("customize"); });

    Image1 = new QLabel(this);
    Image1->setFixedSize(ImageBox, ImageBox);
    Label1 = new QLabel(this);
    Label1->setWordWrap(true);
    const int lineWidth = fontMetrics().averageCharWidth() * 44;
    for (int i = 1; i <= CommentSetLines; ++i) {
        Text1[i] = new QLineEdit(this);
        Text1[i]->setMinimumWidth(lineWidth);
        connect(Text1[i], &QLineEdit::textEdited, this, [this] { Text1_Change(); });
    }
    Label5 = new QLabel("Custom file name:", this);
    FileTxt = new QLineEdit(this);
    FileTxt->setToolTip("Name for this comment file");
    FileTxt->setMaxLength(static_cast<int>(CommentLineWidth));
    const std::array<std::pair<QStyle::StandardPixmap, const char*>, 3> buttons{{
        {QStyle::SP_FileIcon, "Write a new comment file"},
        {QStyle::SP_DialogOpenButton, "Open a comment file"},
        {QStyle::SP_DialogSaveButton, "Don't forget to save!"},
    }};
    for (int i = 0; i < 3; ++i) {
        Command3[i] = new QPushButton(style()->standardIcon(buttons[i].first), "", this);
        Command3[i]->setToolTip(buttons[i].second);
        connect(Command3[i], &QPushButton::clicked, this, [this, i] { GetGoing_Click(i); });
    }
    Check1 = new QCheckBox("Set as Comment Option choice", this);
    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    Label4 = new QLabel(this);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Command1 = new QPushButton("Return", this);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frmCustom::LayOut() {
    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addWidget(Label1, 1);

    auto* lines = new QGridLayout;
    const int rows = CommentSetLines / LineColumns;
    for (int i = 1; i <= CommentSetLines; ++i) {
        const int column = (i - 1) / rows * 2;
        const int row = (i - 1) % rows;
        lines->addWidget(new QLabel(QString::number(i), this), row, column, Qt::AlignRight);
        lines->addWidget(Text1[i], row, column + 1);
    }

    auto* file = new QHBoxLayout;
    file->addWidget(Label5);
    file->addWidget(FileTxt, 1);
    for (QPushButton* b : Command3) file->addWidget(b);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Check1);
    bottom->addStretch();
    bottom->addWidget(Command1);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(static_cast<QMenuBar*>(GetFile->parentWidget()));
    layout->addLayout(top);
    layout->addLayout(lines);
    layout->addLayout(file);
    layout->addWidget(Label4);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmCustom::Form_Load() {
    FitToScreen(*this, s_.ScreenTwips);
    Label1->setText(Q(ReadDataText(s_.AppPath, 9, 11)));
    Label4->setText(" ");
    if (const auto picture = FindDataFile(fs::path(s_.AppPath) / "Avatars", s_.SeatRec1.Avatar)) {
        const QPixmap avatar(QString::fromStdString(picture->string()));
        if (!avatar.isNull())
            Image1->setPixmap(avatar.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    // The only set there is comes up ready to edit; only a set read from users/ can be put in use.
    Check1->setEnabled(false);
    const auto custom = CommentSetPath(s_.AppPath, "Custom");
    if (custom && profile_.CommentFiles.size() == 1) {
        if (const auto read = ReadCommentSetFile(*custom)) {
            ShowRead(*custom, *read);
            FileTxt->setText("Custom.cmt");
            Check1->setEnabled(true);
        }
    }
}

void frmCustom::GetGoing_Click(int index) {
    Check1->setEnabled(false);
    switch (index) {
    case New: NewSet(); break;
    case Open: OpenSet(); break;
    case Save: SaveSet(); break;
    default: close(); break;
    }
}

void frmCustom::NewSet() {
    for (int i = 1; i <= CommentSetLines; ++i) Text1[i]->setText(Q("custom" + Str(i)));
    FileTxt->setText("filename");
    FileTxt->setFocus();
    FileTxt->selectAll();
    commentsChanged_ = false;
}

void frmCustom::OpenSet() {
    const fs::path users = fs::path(s_.AppPath) / "users";
    const auto chosen =
        ports_.Files.ShowOpen({4100, "Comment Files (*.cmt)|*.cmt", "Open Comment File", users.string()});
    if (!chosen) return;
    const fs::path file(*chosen);
    const auto read = ReadCommentSetFile(file);
    if (!read) return;
    FileTxt->setText(Q(CommentSetName(file.filename().string())));
    ShowRead(file, *read);
    // A set opened from elsewhere still has to be saved into users/.
    commentsChanged_ = !SamePath(file, users / file.filename());
    Check1->setEnabled(true);
}

// The lines of a set read; the status line says what of a damaged set could not be read.
void frmCustom::ShowRead(const fs::path& file, const CommentSetRead& read) {
    ShowLines(read.Lines);
    const bool damaged = read.Found != Damage::None;
    Label4->setText(damaged ? Q(DamageNotice(file.filename(), read.Found,
                                             "Lines that were lost or are not text are shown empty."))
                            : QString(" "));
}

// The checks of a save; true when it stops, after saying why.
bool frmCustom::SaveRefused() {
    MessageBoxPort& box = ports_.Ports().Box;
    Label4->setText(" ");
    for (int i = 1; i <= CommentSetLines; ++i) PaintBack(*Text1[i], Qt::white);
    if (const int line = FirstOverlongLine(Lines())) {
        QApplication::beep();
        PaintBack(*Text1[line], Yellow);
        Text1[line]->setFocus();
        Label4->setText("Exceeds 100 characters. Edit and Save again.");
        QApplication::beep();
        QApplication::beep();
        return true;
    }
    if (Text1[1]->text().isEmpty()) {
        box.MsgBox("No comments to save! You should write some comments before saving.", MbInformation, "");
        Text1[1]->setFocus();
        return true;
    }
    const std::string name = CommentSetName(FileTxt->text().toStdString());
    if (name.empty()) {
        box.MsgBox("Enter a name for this comment file!", MbInformation, "");
        FileTxt->setFocus();
        return true;
    }
    return false;
}

void frmCustom::SaveSet() {
    if (SaveRefused()) return;
    const fs::path users = fs::path(s_.AppPath) / "users";
    const std::string typed = CommentSetName(FileTxt->text().toStdString());
    const auto chosen =
        ports_.Files.ShowSave({6, "Comment Files (*.cmt)|*.cmt", "Save Comment File", users.string()},
                              typed + std::string(CommentSetExtension));
    if (!chosen) return;
    // Only sets in users/ can be used, so the set goes there under the name chosen.
    const std::string name = CommentSetName(fs::path(*chosen).filename().string());
    if (BadFileNameChars(ports_.Ports().Box, name)) return;
    const auto target = CommentSetPath(s_.AppPath, name);
    if (!target) return;
    FileTxt->setText(Q(name));
    const std::string error = WriteCommentSetFile(*target, Lines());
    if (!error.empty()) {
        ports_.Players.ReportWriteFailure("The comment set could not be saved.", error,
                                          target->filename().string() + " is as it was.");
        return;
    }
    if (name == s_.SeatRec1.CommentSet) UseCommentsNow();
    ports_.Players.ReadComments();
    if (s_.SoundLevel != 2) ports_.Ports().Sound.PlayFile(s_.Sounds[12], SoundPlay::Async);
    Label4->setText(Q(std::string(CRLF) + "Custom Comments Saved!"));
    Check1->setEnabled(true);
    commentsChanged_ = false;
}

void frmCustom::Check1_Click() {
    if (!Check1->isChecked()) return;
    s_.SeatRec1.CommentSet = CommentSetName(FileTxt->text().toStdString());
    UseCommentsNow();
}

void frmCustom::UseCommentsNow() {
    for (int i = 1; i <= CommentSetLines; ++i) {
        s_.Comments[i] = Trim(Text1[i]->text().toStdString());
        s_.SeatRec1.Comments[i] = s_.Comments[i];
    }
    Profiles& players = ports_.Players;
    RecordFile file = players.OpenPlayerFile();
    if (!file.IsOpen() || profile_.PlayerRecNo < 1) return;
    PlayerRecord rec = ReadRecord<PlayerRecord>(file, profile_.PlayerRecNo);
    rec.Seats[1].Comments = s_.SeatRec1.CommentSet;
    profile_.PlayerRec.Seats[1].Comments = s_.SeatRec1.CommentSet;
    players.WriteProfile(file, profile_.PlayerRecNo, rec);
}

void frmCustom::Text1_Change() {
    Label4->setText(" ");
    commentsChanged_ = true;
}

void frmCustom::Command1_Click() {
    if (commentsChanged_ &&
        ports_.Ports().Box.MsgBox("Do you want to save your changes?", MbYesNo, "") == AnswerYes) {
        GetGoing_Click(Save);
        return;
    }
    close();
}

CommentSetText frmCustom::Lines() const {
    CommentSetText lines;
    for (int i = 1; i <= CommentSetLines; ++i) lines[i - 1] = Text1[i]->text().toStdString();
    return lines;
}

void frmCustom::ShowLines(const CommentSetText& lines) {
    for (int i = 1; i <= CommentSetLines; ++i) Text1[i]->setText(Q(lines[i - 1]));
}

} // namespace zarle
