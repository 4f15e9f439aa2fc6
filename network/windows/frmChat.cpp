#include "network/windows/frmChat.h"

#include "opponents/dialogs/DialogLook.h"
#include "network/scores/FolderFiles.h"
#include "network/scores/QtText.h"
#include "base/text/VbText.h"
#include "platform/forms/Class1.h"
#include "platform/forms/EdgeLines.h"
#include "platform/forms/WindowDragger.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <filesystem>

namespace zarle {

namespace fs = std::filesystem;

namespace {

constexpr int PhraseCount = 20;
constexpr const char* SelectSound = "-Select Sound:";
constexpr const char* SelectIcon = "-Select Icon:";
constexpr const char* Refresh = "(refresh)";

bool EndsWithNoCase(const std::string& name, std::string_view ending) {
    return name.size() >= ending.size() &&
           EqualsNoCase(std::string_view(name).substr(name.size() - ending.size()), ending);
}

QPushButton* SmallButton(const QString& text, const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(b->fontMetrics().horizontalAdvance("MMM") + 6, b->fontMetrics().height() + 8);
    return b;
}

} // namespace

frmChat::frmChat(ChatServices services, InternetChoices& choices, QWidget* board, QImage table)
    : QWidget(board, Qt::Tool | Qt::FramelessWindowHint), c_(services), choices_(choices),
      table_(std::move(table)), outbox_(services), onTop_(std::make_unique<Class1>()) {
    setObjectName("frmChat");
    setWindowTitle(" ZARLEful Thoughts ");
    setAutoFillBackground(true);
    QPalette back = palette();
    back.setColor(QPalette::Window, QColor(0xD8, 0xE4, 0xF0));
    setPalette(back);

    Label1 = new QLabel(" ZARLEful Thoughts ", this);
    QFont title = Label1->font();
    title.setBold(true);
    Label1->setFont(title);
    cmdText[1] = SmallButton("A-", "Make font smaller", this);
    cmdText[0] = SmallButton("A+", "Make font larger", this);
    cmdSize = SmallButton("[ ]", "Change window size", this);
    cmdOnTop = SmallButton("", "Keep this window on top", this);
    cmdIcon = SmallButton(":-)", "Send icon", this);
    cmdShowSounds = SmallButton("", "Send Sound", this);
    cmdShowSounds->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    lstIcons = new QComboBox(this);
    lstIcons->hide();
    lstWavs = new QComboBox(this);
    lstWavs->hide();

    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setMinimumSize(fontMetrics().averageCharWidth() * 48, fontMetrics().height() * 6);
    Picture1 = new QWidget(this);
    imgIcon = new QLabel(Picture1);
    imgIcon->hide();
    Text2 = new QLineEdit(Picture1);
    auto* input = new QHBoxLayout(Picture1);
    input->setContentsMargins(0, 0, 0, 0);
    input->addWidget(imgIcon);
    input->addWidget(Text2, 1);
    Command1 = new QPushButton(this);
    Command1->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    Command1->setToolTip("Send");
    Command1->setFocusPolicy(Qt::NoFocus);

    auto* top = new QHBoxLayout;
    top->addWidget(Label1, 1);
    top->addWidget(lstIcons);
    top->addWidget(lstWavs);
    for (auto* b : {cmdText[1], cmdText[0], cmdSize, cmdOnTop, cmdIcon, cmdShowSounds}) top->addWidget(b);
    auto* line = new QHBoxLayout;
    line->addWidget(Picture1, 1);
    line->addWidget(Command1);
    auto* phrases = new QGridLayout;
    phrases->setSpacing(2);
    for (int i = 1; i <= PhraseCount; ++i) {
        CmdChat[i] = new QPushButton(QString::number(i), this);
        CmdChat[i]->setFocusPolicy(Qt::NoFocus);
        CmdChat[i]->setMinimumWidth(CmdChat[i]->fontMetrics().horizontalAdvance("000") + 8);
        phrases->addWidget(CmdChat[i], (i - 1) / 10, (i - 1) % 10);
        connect(CmdChat[i], &QPushButton::clicked, this, [this, i] { CmdChat_Click(i); });
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addLayout(top);
    layout->addWidget(Text1, 1);
    layout->addLayout(line);
    layout->addLayout(phrases);

    auto* dragger = new WindowDragger(this);
    dragger->Attach(Label1);
    Text2->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Text2, &QLineEdit::returnPressed, this, [this] { Command1_Click(); });
    connect(cmdIcon, &QPushButton::clicked, this, [this] {
        lstWavs->hide();
        lstIcons->show();
        lstIcons->setFocus();
        lstIcons->showPopup();
    });
    connect(cmdShowSounds, &QPushButton::clicked, this, [this] {
        lstIcons->hide();
        lstWavs->show();
        lstWavs->setFocus();
        lstWavs->showPopup();
    });
    connect(lstIcons, &QComboBox::activated, this, [this] { lstIcons_Click(); });
    connect(lstWavs, &QComboBox::activated, this, [this] { lstWavs_Click(); });
    connect(cmdText[1], &QPushButton::clicked, this, [this] { cmdText_Click(1); });
    connect(cmdText[0], &QPushButton::clicked, this, [this] { cmdText_Click(0); });
    connect(cmdOnTop, &QPushButton::clicked, this, [this] { cmdOnTop_Click(); });
    connect(cmdSize, &QPushButton::clicked, this, [this] { cmdSize_Click(); });
    c_.Log.Changed = [this] { ShowLog(); };
    Form_Load();
}

frmChat::~frmChat() {
    c_.Log.Changed = nullptr;
}

void frmChat::Form_Load() {
    cmdOnTop->setIcon(style()->standardIcon(QStyle::SP_TitleBarShadeButton));
    // A small screen gets the window at 0.8 of its size.
    FitToScreen(*this, c_.Game.ScreenTwips);
    adjustSize();
    if (parentWidget()) PlaceBesideBoard();
    // The quick phrases are the first opponent seat's comment lines.
    for (int i = 1; i <= PhraseCount; ++i) c_.Game.Comments[i] = c_.Game.SeatRec1.Comments[i];
    ShowPhrases();
    DrawFormEdgeLines(*this);
    onTop_->SetOnTop(true);
    onTop_->TopForm(*this);
    for (int seat = 2; seat <= 4; ++seat) {
        const std::string& name = c_.Game.Seat(seat).Name;
        choices_.ChatSoundNames[seat - 2] = EqualsNoCase(name, "Zarle") ? "" : name;
    }
    GetSoundList();
    GetIconList();
    ShowLog();
}

// Below the board when the screen has room, else to its right, else over its lower right corner,
// so that the board's message lines and buttons stay in sight.
void frmChat::PlaceBesideBoard() {
    const QRect board = parentWidget()->window()->frameGeometry();
    const QScreen* screen = parentWidget()->screen();
    const QRect room = screen ? screen->availableGeometry() : board;
    if (board.bottom() + height() <= room.bottom()) {
        move(board.left() + (board.width() - width()) / 2, board.bottom() + 1);
    } else if (board.right() + width() <= room.right()) {
        move(board.right() + 1, board.bottom() - height());
    } else {
        move(std::max(room.left(), board.right() - width()), std::max(room.top(), board.bottom() - height()));
    }
}

void frmChat::ShowPhrases() {
    for (int i = 1; i <= PhraseCount; ++i) CmdChat[i]->setToolTip(Q(c_.Game.Comments[i]));
}

void frmChat::GetSoundList() {
    lstWavs->clear();
    for (const auto& file : FolderFiles(fs::path(c_.Game.AppPath) / "Sounds")) {
        const bool wav = EndsWithNoCase(file, "WAV");
        if (!wav && !EndsWithNoCase(file, "PMW")) continue;
        lstWavs->addItem(Q(file.substr(0, file.size() - 4)), wav ? 1 : 0);
    }
    lstWavs->insertItem(0, SelectSound);
    lstWavs->addItem(Refresh);
    lstWavs->setCurrentIndex(0);
}

void frmChat::GetIconList() {
    lstIcons->clear();
    for (const auto& file : FolderFiles(fs::path(c_.Game.AppPath) / "Icons"))
        if (EndsWithNoCase(file, "GIF") || EndsWithNoCase(file, "JPG"))
            lstIcons->addItem(Q(file.substr(0, file.size() - 4)));
    lstIcons->insertItem(0, SelectIcon);
    lstIcons->addItem(Refresh);
    lstIcons->setCurrentIndex(0);
}

void frmChat::Command1_Click() {
    const std::string picture = iconChosen_ ? lstIcons->currentText().toStdString() : std::string();
    const ChatSent sent = outbox_.Send({Text2->text().toStdString(), picture, soundFile_});
    if (sent == ChatSent::Nothing) return;
    if (sent == ChatSent::NoGame) {
        close();
        return;
    }
    IconShow(false, "");
    Text2->clear();
}

void frmChat::CmdChat_Click(int index) {
    lstIcons->hide();
    lstWavs->hide();
    if (index >= 0 && index < static_cast<int>(c_.Game.Comments.size()))
        Text2->setText(Q(c_.Game.Comments[index]));
}

void frmChat::lstIcons_Click() {
    lstIcons->hide();
    const QString picked = lstIcons->currentText();
    if (picked == Refresh) {
        GetIconList();
        return;
    }
    if (picked == SelectIcon || picked.isEmpty()) return;
    const fs::path icons = fs::path(c_.Game.AppPath) / "Icons";
    std::string name = picked.toStdString();
    std::error_code error;
    const fs::path gif = icons / (name + ".gif");
    IconShow(true, (fs::exists(gif, error) ? gif : icons / (name + ".jpg")).string());
    if (c_.Game.NetMode != 99 && outbox_.OldestPeerVersion() < "81")
        c_.Log.AddLine(">>> " + c_.Game.OppName1 +
                       " can't see the picture you are sending. Feature only works with v.8.2+");
    Text2->setFocus();
}

void frmChat::lstWavs_Click() {
    IconShow(false, "");
    if (!lstWavs->isVisible()) return;
    lstWavs->hide();
    const QString picked = lstWavs->currentText();
    if (picked == Refresh) {
        GetSoundList();
        return;
    }
    if (picked == SelectSound || picked.isEmpty()) return;
    const std::string name = picked.toStdString();
    const fs::path sounds = fs::path(c_.Game.AppPath) / "Sounds";
    Text2->setText(Q("WAV " + name));
    if (EqualsNoCase(name, "SLAP")) {
        Text2->setText("<SLAP>");
        c_.Sound.PlayFile((sounds / "slap.wav").string(), SoundPlay::Async);
    }
    soundFile_ = name + (lstWavs->currentData().toInt() == 1 ? ".wav" : ".pmw");
    if (c_.Game.NetMode == 99)
        c_.Sound.PlayFile((sounds / soundFile_).string(), SoundPlay::Async);
    else
        Command1_Click();
}

void frmChat::cmdOnTop_Click() {
    SetOnTop(pinFlag_ != 0);
}

void frmChat::SetOnTop(bool onTop) {
    onTop_->SetOnTop(onTop);
    onTop_->TopForm(*this);
    cmdOnTop->setIcon(
        style()->standardIcon(onTop ? QStyle::SP_TitleBarShadeButton : QStyle::SP_TitleBarUnshadeButton));
    pinFlag_ = onTop ? 0 : 1;
}

void frmChat::cmdSize_Click() {
    const double factor = sizeFlag_ != 0 ? 1.25 : 0.8;
    const QSize wanted(int(width() * factor), int(height() * factor));
    Text1->setMinimumSize(0, 0);
    resize(wanted.expandedTo(minimumSizeHint()));
    sizeFlag_ = sizeFlag_ == 0 ? 1 : 0;
}

void frmChat::cmdText_Click(int index) {
    for (QWidget* w : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2)}) {
        QFont f = w->font();
        f.setPointSize(std::max(6, f.pointSize() + (index == 1 ? -2 : 2)));
        w->setFont(f);
    }
}

void frmChat::IconShow(bool show, const std::string& path) {
    if (show) {
        QPixmap picture(Q(path));
        if (!picture.isNull())
            imgIcon->setPixmap(
                picture.scaledToHeight(std::max(Text2->sizeHint().height(), 16), Qt::SmoothTransformation));
        imgIcon->setVisible(!picture.isNull());
        iconChosen_ = true;
    } else {
        imgIcon->hide();
        imgIcon->clear();
        iconChosen_ = false;
    }
}

void frmChat::ShowLog() {
    QString text = Q(c_.Log.Text());
    text.replace("\r\n", "\n");
    Text1->setPlainText(text);
    Text1->verticalScrollBar()->setValue(Text1->verticalScrollBar()->maximum());
}

void frmChat::paintEvent(QPaintEvent* event) {
    if (table_.isNull()) return QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), table_);
}

void frmChat::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    DrawFormEdgeLines(*this);
}

bool frmChat::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text2 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backspace && Text2->text().isEmpty() && iconChosen_) IconShow(false, "");
        // The board's function keys mean nothing in the line: they act on the board, so that the
        // host deals with F2 as the status line says, wherever the focus is.
        const bool functionKey = key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F12;
        if (functionKey && key->modifiers() == Qt::NoModifier && parentWidget()) {
            QCoreApplication::sendEvent(parentWidget()->window(), key);
            return true;
        }
    }
    if (watched == Text2 && event->type() == QEvent::MouseButtonPress) lstWavs->hide();
    return QWidget::eventFilter(watched, event);
}

} // namespace zarle
