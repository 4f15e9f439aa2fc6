#include "board/windows/frmSplash.h"

#include "board/windows/CardFan.h"
#include "board/windows/ProgramInfo.h"

#include <QGuiApplication>
#include <QScreen>

#include <string>

namespace zarle {

namespace {

constexpr int WindowW = 500;
constexpr int WindowH = 290;
const QColor Felt(0x0B, 0x4D, 0x2C);
const QColor Gold(0xF2, 0xC9, 0x4C);
const QColor Cream(0xF4, 0xEE, 0xDC);

Label* TextLine(QWidget* parent, const QString& caption, QRect bounds, int points, const QColor& colour,
                bool bold = false) {
    auto* label = new Label(parent);
    label->SetCaption(caption);
    label->SetBackStyle(0);
    label->SetForeColor(colour);
    label->SetWordWrap(true);
    QFont font = label->font();
    font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(bounds);
    return label;
}

} // namespace

frmSplash::frmSplash(CardPictureBank& pictures) {
    setObjectName("frmSplash");
    SetBorderless(true);
    setFixedSize(WindowW, WindowH);
    SetBackColor(Felt);

    Frame1 = new VbControl<QFrame>(this);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Raised);
    Frame1->setLineWidth(2);
    Frame1->setGeometry(8, 8, WindowW - 16, WindowH - 16);

    Image1 = new ImageBox(Frame1);
    Image1->SetPicture(KingsFan(pictures, 165));
    Image1->move(10, 40);

    const int textLeft = 240;
    const int textW = WindowW - 16 - textLeft - 16;
    Label1 = TextLine(Frame1, "ZarleNET", {textLeft, 24, textW, 48}, 30, Gold, true);
    lblPlatform = TextLine(Frame1, "Multiplayer Edition for Linux", {textLeft, 76, textW, 22}, 11, Cream);
    lblVersion = TextLine(Frame1, "", {textLeft, 104, textW, 20}, 10, Cream);
    lblWarning =
        TextLine(Frame1, "Two to four players, one side pile each: empty yours first. Kings are wild.",
                 {textLeft, 136, textW, 56}, 10, Cream);
    lblNotice = TextLine(Frame1, "Copyright ", {16, WindowH - 16 - 44, WindowW - 48, 36}, 8, Cream);

    connect(&Events(), &ControlEvents::KeyPress, this, [this](int) { Form_KeyPress(); });
    connect(&Frame1->Events(), &ControlEvents::Click, this, [this] { Frame1_Click(); });
    for (Label* label : {Label1, lblPlatform, lblVersion, lblWarning, lblNotice})
        connect(&label->Events(), &ControlEvents::Click, this, [this] { Frame1_Click(); });
    connect(&Image1->Events(), &ControlEvents::Click, this, [this] { Frame1_Click(); });
    Form_Load();
}

void frmSplash::Form_Load() {
    lblVersion->SetCaption(
        QString("Version %1.%2.%3").arg(Version.Major).arg(Version.Minor).arg(Version.Revision));
    lblNotice->SetCaption(lblNotice->Caption() + LegalNotice);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSplash::Form_KeyPress() {
    Unload();
}

void frmSplash::Frame1_Click() {
    Unload();
}

} // namespace zarle
