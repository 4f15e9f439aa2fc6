#include "board/windows/frmTip.h"

#include "base/text/VbText.h"
#include "platform/files/FileHead.h"
#include "platform/help/HelpPort.h"
#include "platform/settings/Registry.h"
#include "board/windows/CardFan.h"
#include "board/windows/TextFile.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QShortcut>
#include <QResizeEvent>

#include <cmath>
#include <limits>

namespace zarle {

namespace {

constexpr int FanHeight = 72;
constexpr int TipWidthChars = 46; // the tip panel's text width, in average characters
constexpr int TipLines = 9;       // lines of text the panel has room for at first

QString Setting(const char* key, const char* defaultValue) {
    return GetSetting(TipsSettingsApp, TipsSettingsSection, key, defaultValue);
}

void SaveTipsSetting(const char* key, const QString& value) {
    SaveSetting(TipsSettingsApp, TipsSettingsSection, key, value);
}

// The stored number of the last tip shown. Anything that is not a number of tips (damaged or
// edited by hand) starts again before the first tip.
int32_t StoredTipNumber(const QString& text) {
    const double n = std::round(Val(text.toStdString()));
    if (!(n >= 0 && n <= std::numeric_limits<int32_t>::max())) return 0;
    return static_cast<int32_t>(n);
}

} // namespace

QString TipParagraphs(const QString& tip) {
    QString shown = tip;
    return shown.replace(u'~', QStringLiteral("\r\n\r\n"));
}

frmTip::frmTip(std::string appPath, int32_t& showTipsSetting, HelpPort& help, CardPictureBank& pictures,
               QWidget* board)
    : Form(board), cmdNextTip("cmdNextTip", this), appPath_(std::move(appPath)),
      showTipsSetting_(showTipsSetting), help_(help) {
    setObjectName("frmTip");
    setWindowTitle("Tip of the Day");
    setWindowFlag(Qt::Tool);
    BuildControls(pictures);
    Form_Load();
}

void frmTip::BuildControls(CardPictureBank& pictures) {
    Picture1 = new PictureBox(this);
    Picture1->SetBackColor(Qt::white);
    Picture1->SetBorderStyle(1);
    auto* fan = new Label(Picture1);
    fan->setPixmap(KingsFan(pictures, FanHeight));
    fan->setAlignment(Qt::AlignTop);
    Label1 = new Label(Picture1);
    Label1->SetCaption("Did you know...");
    QFont heading = Label1->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    heading.setBold(true);
    Label1->setFont(heading);
    lblTipText = new Label(Picture1);
    lblTipText->setObjectName("lblTipText");
    lblTipText->SetWordWrap(true);
    lblTipText->SetCaption("There are no tips in the tips file.");
    const QFontMetrics metrics(lblTipText->font());
    lblTipText->setFixedWidth(metrics.averageCharWidth() * TipWidthChars);
    lblTipText->setMinimumHeight(metrics.lineSpacing() * TipLines);
    lblTipText->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

    lblFileNotice = new Label(Picture1);
    lblFileNotice->setObjectName("lblFileNotice");
    lblFileNotice->SetWordWrap(true);
    lblFileNotice->setFixedWidth(lblTipText->minimumWidth());
    lblFileNotice->hide();

    auto* text = new QVBoxLayout;
    text->addWidget(Label1);
    text->addWidget(lblTipText, 1);
    text->addWidget(lblFileNotice);
    auto* panel = new QHBoxLayout(Picture1);
    panel->setContentsMargins(12, 12, 12, 12);
    panel->setSpacing(12);
    panel->addWidget(fan, 0, Qt::AlignTop);
    panel->addLayout(text, 1);

    cmdOK = new CommandButton(this);
    cmdOK->SetCaption("OK");
    cmdOK->setDefault(true);
    const std::pair<int, const char*> steps[] = {{0, "&Next Tip"}, {1, "&Previous Tip"}};
    for (const auto& [index, caption] : steps) {
        CommandButton& b = cmdNextTip.Load(index);
        b.SetCaption(caption);
        connect(&b, &QPushButton::clicked, this, [this, back = index != 0] { DoNextTip(back); });
        b.show();
    }
    cmdHelp = new CommandButton(this);
    cmdHelp->SetCaption("&Help");
    // A button with the focus takes Return itself, as in a dialog; elsewhere Return is OK's.
    for (QPushButton* b : {static_cast<QPushButton*>(&cmdNextTip[0]), static_cast<QPushButton*>(&cmdNextTip[1]),
                           static_cast<QPushButton*>(cmdHelp)})
        b->setAutoDefault(true);
    chkLoadTipsAtStartup = new QCheckBox("&Show Tips at Startup", this);

    auto* buttons = new QVBoxLayout;
    for (QWidget* b : {static_cast<QWidget*>(cmdOK), static_cast<QWidget*>(&cmdNextTip[0]),
                       static_cast<QWidget*>(&cmdNextTip[1])})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdHelp);
    auto* top = new QHBoxLayout;
    top->addWidget(Picture1, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(top, 1);
    layout->addWidget(chkLoadTipsAtStartup);

    connect(cmdOK, &QPushButton::clicked, this, [this] { Unload(); });
    // Esc closes the window wherever its focus is, as a dialog's.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] { Unload(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { help_.ShowHelp(""); });
    connect(chkLoadTipsAtStartup, &QCheckBox::clicked, this, [this] { chkLoadTipsAtStartup_Click(); });
}

void frmTip::Form_Load() {
    CurrentTip = StoredTipNumber(Setting(TipNumberKey, "0"));
    resize(sizeHint());
    TipFormHeight = height();
    chkLoadTipsAtStartup->setChecked(showTipsSetting_ == 1);
    const QString file = QString::fromStdString(appPath_) + "/" + TipsFileName;
    if (!LoadTips(file)) {
        const QString name = TipsFileName;
        lblTipText->SetCaption("That the " + name + " file was not found? \r\n\r\nCreate a text file named " +
                               name + " using NotePad with 1 tip per line. " +
                               "Then place it in the same directory as the application. ");
    }
    OnTopKeeper.SetOnTop(true);
    OnTopKeeper.TopForm(*this);
}

bool frmTip::LoadTips(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
    const TextLines read = ReadTextLines(path);
    Tips = read.Lines;
    const QString limit = SizeText(LargestTextFile);
    lblFileNotice->SetCaption(QString(TipsFileName) + " is larger than " + limit + ": only the tips in its first " +
                              limit + " are shown.");
    lblFileNotice->setVisible(read.Cut);
    DoNextTip(false);
    return true;
}

// Both ways round: after the last tip comes the first, before the first the last. A number out
// of the tips' range (a stored one from a longer file) starts again at either end.
void frmTip::DoNextTip(bool back) {
    const int32_t count = static_cast<int32_t>(Tips.size());
    if (back)
        CurrentTip = CurrentTip <= 1 || CurrentTip > count ? count : CurrentTip - 1;
    else
        CurrentTip = CurrentTip < 0 || CurrentTip >= count ? 1 : CurrentTip + 1;
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (CurrentTip < 1 || CurrentTip > Tips.size()) return;
    lblTipText->SetCaption(TipParagraphs(Tips[CurrentTip - 1]));
}

void frmTip::chkLoadTipsAtStartup_Click() {
    showTipsSetting_ = chkLoadTipsAtStartup->isChecked() ? 1 : 0;
    SaveTipsSetting(ShowTipsKey, QString::number(showTipsSetting_));
}

bool frmTip::QueryUnload(int) {
    SaveTipsSetting(TipNumberKey, QString::number(CurrentTip));
    return false;
}

// Return that no button with the focus takes closes the window, as its default button OK would.
void frmTip::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Unload();
        return;
    }
    Form::keyPressEvent(event);
}

// A taller window gives the tip more room; a lower one keeps the room the tip had.
void frmTip::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    if (TipFormHeight > 0 && height() > TipFormHeight) {
        Picture1->setMinimumHeight(Picture1->height());
        TipFormHeight = height();
    }
}

} // namespace zarle
