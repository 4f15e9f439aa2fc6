#include "opponents/dialogs/frmSpeed.h"

#include "opponents/dialogs/DialogLook.h"
#include "opponents/SpeedSettings.h"
#include "base/text/VbText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace zarle {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

frmSpeed::frmSpeed(GameState& game, ProfileState& profile, QWidget* parent)
    : QDialog(parent), s_(game), profile_(profile) {
    setObjectName("frmSpeed");
    setWindowTitle("Speed Settings");
    setModal(true);

    Frame1 = new QGroupBox("Zarle's Speed", this);
    HScroll1 = new QScrollBar(Qt::Horizontal, Frame1);
    HScroll1->setRange(0, static_cast<int>(SpeedLevelNames.size()) - 1);
    HScroll1->setPageStep(1);
    HScroll1->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    Label1 = new QLabel("Not responsible for games played at the speed of light", Frame1);
    Label1->setAlignment(Qt::AlignCenter);
    auto* speed = new QVBoxLayout(Frame1);
    speed->addStretch();
    speed->addWidget(HScroll1);
    speed->addWidget(Label1);
    speed->addStretch();

    Frame2 = new QGroupBox("Card Animation Speed", this);
    VScroll1 = new QScrollBar(Qt::Vertical, Frame2);
    VScroll1->setRange(0, static_cast<int>(AnimSpeedSteps.size()) - 1);
    VScroll1->setPageStep(1);
    VScroll1->setMinimumHeight(fontMetrics().height() * 6);
    Label4 = new QLabel("Faster", Frame2);
    Label5 = new QLabel("Slower", Frame2);
    lblAni = new QLabel(Frame2);
    lblAni->setMinimumWidth(fontMetrics().horizontalAdvance(" 10 "));
    auto* animation = new QGridLayout(Frame2);
    animation->addWidget(Label4, 0, 0, Qt::AlignTop);
    animation->addWidget(VScroll1, 0, 1, 3, 1);
    animation->addWidget(lblAni, 1, 2);
    animation->addWidget(Label5, 2, 0, Qt::AlignBottom);

    Command1 = new QPushButton("&Done", this);
    Command1->setDefault(true);
    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame1, 1);
    frames->addWidget(Frame2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load();
}

// Opening the window shows the paces in force and changes none of them (an animation speed that was
// never set becomes the usual one).
void frmSpeed::Form_Load() {
    FitToScreen(*this, s_.ScreenTwips);
    const QSignalBlocker speedQuiet(HScroll1);
    const QSignalBlocker animationQuiet(VScroll1);
    const int level = std::clamp<int>(profile_.SpeedLevel, 0, HScroll1->maximum());
    HScroll1->setValue(level);
    Label1->setText(Q(SpeedLevelNames[level]));
    if (profile_.AnimSpeed == 0) profile_.AnimSpeed = UnsetAnimSpeedBecomes;
    if (const int position = AnimSpeedPosition(profile_.AnimSpeed); position >= 0)
        VScroll1->setValue(position);
    lblAni->setText(Q(Str(VScroll1->value())));
}

void frmSpeed::HScroll1_Change() {
    const int level = HScroll1->value();
    profile_.SpeedLevel = static_cast<int16_t>(level);
    // A network game keeps its own pace; the new one applies once it ends.
    (s_.NetMode != 0 ? s_.SavedMoveDelay : s_.MoveDelay) = SpeedDialogDelays[level];
    Label1->setText(Q(SpeedLevelNames[level]));
}

void frmSpeed::VScroll1_Change() {
    const int position = VScroll1->value();
    profile_.AnimSpeed = AnimSpeedSteps[position];
    lblAni->setText(Q(Str(position)));
}

} // namespace zarle
