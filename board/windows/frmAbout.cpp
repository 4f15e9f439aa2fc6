#include "board/windows/frmAbout.h"

#include "rendering/sound/SoundFiles.h"
#include "engine/Utilities.h"
#include "base/text/VbText.h"
#include "engine/WebSites.h"
#include "board/windows/CardFan.h"
#include "board/windows/ProgramInfo.h"

#include <QBoxLayout>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace zarle {

namespace {

constexpr int TextWidth = 360;
constexpr int AboutSound = 119;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

Label* TextBlock(QWidget* parent, int points = 9, bool bold = false) {
    auto* label = new Label(parent);
    label->SetWordWrap(true);
    label->SetBackStyle(0);
    QFont font = label->font();
    font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

frmAbout::frmAbout(std::string appPath, CardPictureBank& pictures, SoundPort& sound, QWidget* parent)
    : Form(parent), appPath_(std::move(appPath)), sound_(sound) {
    setObjectName("frmAbout");
    setWindowTitle("About ZarleNET");
    setWindowModality(Qt::ApplicationModal);

    picIcon = new ImageBox(this);
    picIcon->SetPicture(KingsFan(pictures, 110));
    picIcon->setFixedSize(picIcon->Picture().size());
    picIcon->setCursor(Qt::PointingHandCursor);
    lblTitle = TextBlock(this, 12, true);
    lblVersion = TextBlock(this);
    lblDescription = TextBlock(this);
    LblSite = TextBlock(this);
    Label3 = TextBlock(this);
    Label2 = TextBlock(this, 9, true);
    lblDis = TextBlock(this);
    credit = TextBlock(this, 8);
    credit->hide();
    cmdOK = new CommandButton(this);
    cmdOK->SetCaption("OK");
    cmdOK->setDefault(true);

    auto* heading = new QVBoxLayout;
    for (Label* label : {lblTitle, lblVersion, lblDescription, LblSite}) {
        label->setFixedWidth(TextWidth);
        heading->addWidget(label);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addLayout(heading);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addLayout(top);
    for (Label* label : {Label3, Label2, lblDis, credit}) layout->addWidget(label);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(&picIcon->Events(), &ControlEvents::Click, this, [this] { picIcon_Click(); });
    connect(&picIcon->Events(), &ControlEvents::MouseDown, this,
            [this](MouseArgs args) { picIcon_MouseDown(args); });
    Form_Load();
}

void frmAbout::Form_Load() {
    lblTitle->SetCaption(Q("ZarleNET: Zarle and Quenor" + std::string(CRLF) + "Multiplayer Edition"));
    lblVersion->SetCaption(Q("Version " + Str(Version.Major) + "." + Str(Version.Minor) + "." +
                             Str(Version.Revision) + std::string(CRLF) + LegalNotice + std::string(CRLF) +
                             ProductName));
    lblDescription->SetCaption(Q("Made by the ZarleNET team." + std::string(CRLF) +
                                 "Questions, bug reports and ideas: write to us through our web site." +
                                 std::string(CRLF) + "We read every letter."));
    LblSite->SetCaption(Q("Zarle's World on the web: " + std::string(GameSiteAddress) + std::string(CRLF) +
                          OnlineSiteAddress));
    Label2->SetCaption(Q(ReadDataText(appPath_, 22, 22)));
    lblDis->SetCaption(Q(std::string(CRLF) + "Warning: Highly addictive."));
    Label3->SetCaption(Q(ReadDataText(appPath_, 19, 21)));
    CreditText = ReadDataText(appPath_, 23, 28);
    MoveToTopEdge();
}

// At the screen's top edge, across from the middle of the board (or of the screen).
void frmAbout::MoveToTopEdge() {
    adjustSize();
    const QScreen* shown = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!shown) {
        move(x(), 0);
        return;
    }
    const QRect area = shown->availableGeometry();
    const int middle = parentWidget() ? parentWidget()->frameGeometry().center().x() : area.center().x();
    const int left =
        std::clamp(middle - width() / 2, area.left(), std::max(area.left(), area.right() + 1 - width()));
    move(left, shown->geometry().top());
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
