#include "windows/frmAbout.h"

#include "SoundFiles.h"
#include "Utilities.h"
#include "VbText.h"
#include "windows/CardFan.h"
#include "windows/ProgramInfo.h"

#include <QEventLoop>

namespace zarle {

namespace {

constexpr int WindowW = 520;
constexpr int WindowH = 430;
constexpr int TextLeft = 150;
constexpr int TextW = WindowW - TextLeft - 16;
constexpr int AboutSound = 119;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

Label* TextBlock(QWidget* parent, QRect bounds, int points = 9, bool bold = false) {
    auto* label = new Label(parent);
    label->SetWordWrap(true);
    label->SetBackStyle(0);
    QFont font = label->font();
    font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(bounds);
    return label;
}

} // namespace

frmAbout::frmAbout(std::string appPath, CardPictureBank& pictures, SoundPort& sound, QWidget* parent)
    : Form(parent), appPath_(std::move(appPath)), sound_(sound) {
    setObjectName("frmAbout");
    setWindowTitle("About ZarleNET");
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(WindowW, WindowH);

    picIcon = new ImageBox(this);
    picIcon->SetPicture(KingsFan(pictures, 110));
    picIcon->move(12, 16);
    picIcon->setCursor(Qt::PointingHandCursor);
    lblTitle = TextBlock(this, {TextLeft, 12, TextW, 44}, 12, true);
    lblVersion = TextBlock(this, {TextLeft, 60, TextW, 58});
    lblDescription = TextBlock(this, {TextLeft, 122, TextW, 50});
    LblSite = TextBlock(this, {TextLeft, 176, TextW, 34});
    Label3 = TextBlock(this, {16, 216, WindowW - 32, 64});
    Label2 = TextBlock(this, {16, 284, WindowW - 32, 20}, 9, true);
    lblDis = TextBlock(this, {16, 304, WindowW - 32, 34});
    credit = TextBlock(this, {16, 340, WindowW - 32, 70}, 8);
    credit->hide();
    cmdOK = new CommandButton(this);
    cmdOK->SetCaption("OK");
    cmdOK->setDefault(true);
    cmdOK->setGeometry(WindowW - 100, WindowH - 40, 84, 28);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(&picIcon->Events(), &ControlEvents::Click, this, [this] { picIcon_Click(); });
    connect(&picIcon->Events(), &ControlEvents::MouseDown, this,
            [this](MouseArgs args) { picIcon_MouseDown(args); });
    Form_Load();
}

void frmAbout::Form_Load() {
    move(x(), 0);
    lblTitle->SetCaption(Q("ZarleNET: Zarle and Quenor" + std::string(CRLF) + "Multiplayer Edition"));
    lblVersion->SetCaption(Q("Version " + Str(Version.Major) + "." + Str(Version.Minor) + "." +
                             Str(Version.Revision) + std::string(CRLF) + LegalNotice + std::string(CRLF) +
                             ProductName));
    lblDescription->SetCaption(Q("Made by the ZarleNET team." + std::string(CRLF) +
                                 "Questions, bug reports and ideas: write to us through our web site." +
                                 std::string(CRLF) + "We read every letter."));
    LblSite->SetCaption(
        Q("Zarle's World on the web: " + std::string(WebSite) + std::string(CRLF) + GamingSite));
    Label2->SetCaption(Q(ReadDataText(appPath_, 22, 22)));
    lblDis->SetCaption(Q(std::string(CRLF) + "Warning: Highly addictive."));
    Label3->SetCaption(Q(ReadDataText(appPath_, 19, 21)));
    CreditText = ReadDataText(appPath_, 23, 28);
}

void frmAbout::cmdOK_Click() {
    Unload();
}

void frmAbout::picIcon_Click() {
    sound_.PlayFile(SoundTempPath(appPath_, AboutSound), SoundPlay::Async);
}

void frmAbout::picIcon_MouseDown(const MouseArgs& args) {
    if (args.button == RightButton) {
        credit->SetCaption(Q(CreditText));
        credit->show();
    } else {
        credit->hide();
    }
}

void ShowAbout(std::string appPath, CardPictureBank& pictures, SoundPort& sound, QWidget* parent) {
    frmAbout window(std::move(appPath), pictures, sound, parent);
    QEventLoop closed;
    QObject::connect(&window, &Form::Unloaded, &closed, &QEventLoop::quit);
    window.show();
    closed.exec();
}

} // namespace zarle
