// The preferences dialog's window: three tabs with their controls, and the buttons under them.

#include "persistence/dialogs/frmOptions.h"

#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/dialogs/CommonDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zarle {

namespace {

constexpr const char* StyleNames[] = {"",       "Quenor",   "Artsy", "Shout", "Zarle's",
                                      "Viking", "Standard", "Steel", "Tile"};
constexpr int SampleRanks[] = {1, 2, 4, 7, 10, 13};
constexpr const char* SampleTip =
    "If the numbers don't look right, see the instructions under the HELP menu.";
constexpr int FontSampleMinWidth = 420;
constexpr int FontSampleHeight = 132;
constexpr int TableThumbWidth = 96;
constexpr int TableThumbHeight = 72;
constexpr int SwatchSize = 40;

Label* NewLabel(const QString& caption, QWidget* parent, bool wrap = false) {
    auto* label = new Label(parent);
    label->SetCaption(caption);
    label->SetWordWrap(wrap);
    return label;
}

} // namespace

frmOptions::frmOptions(GameState& game, ProfileState& profile, PreferencesBoard& board, HelpPort& help,
                       bool largeFonts, QWidget* parent)
    : QDialog(parent), s_(game), profile_(profile), board_(board), help_(help), largeFonts_(largeFonts),
      pickColor_([](const QColor& start, QWidget* owner) { return ShowColor(start, owner); }),
      previewBank_(game.AppPath), component_(previewBank_) {
    setObjectName("frmOptions");
    setWindowTitle("Preferences");
    setModal(true);

    tbsOptions = new QTabWidget(this);
    FrmOp[0] = BuildCardTab();
    FrmOp[1] = BuildDeckTab();
    FrmOp[2] = BuildFontTab();
    const char* captions[] = {"Pick a Card", "Deck Styles", "Font Properties"};
    const char* tips[] = {"Set Card Style", "Set Deck Style", "Set Font "};
    for (int tab = 0; tab < 3; ++tab) {
        FrmOp[static_cast<size_t>(tab)]->setObjectName(QString("Group%1").arg(tab + 1));
        tbsOptions->addTab(FrmOp[static_cast<size_t>(tab)], captions[tab]);
        tbsOptions->setTabToolTip(tab, tips[tab]);
    }

    cmdOK = new QPushButton("&OK", this);
    cmdCancel = new QPushButton("&Cancel", this);
    CmdApply = new QPushButton("&Apply", this);
    cmdHelp = new QPushButton("&Help", this);
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelp);
    buttons->addStretch(1);
    for (QPushButton* b : {cmdOK, cmdCancel, CmdApply}) buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tbsOptions);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(tbsOptions, &QTabWidget::currentChanged, this, &frmOptions::tbsOptions_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(CmdApply, &QPushButton::clicked, this, &frmOptions::CmdApply_Click);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { help_.ShowHelp("preferences"); });
    // Ctrl+Tab steps through the tabs wherever the focus is, and from the last to the first.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this), &QShortcut::activated, this,
            [this] { tbsOptions->setCurrentIndex((tbsOptions->currentIndex() + 1) % tbsOptions->count()); });
    Form_Load();
}

frmOptions::~frmOptions() = default;

// A tab's controls count in the dialog's size only once they have shown: every tab shows once
// at the start, so the dialog has the size of the largest from the first and never grows later.
void frmOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (everyTabShown_) return;
    everyTabShown_ = true;
    const QSignalBlocker quiet(tbsOptions);
    const int current = tbsOptions->currentIndex();
    for (int tab = 0; tab < tbsOptions->count(); ++tab) tbsOptions->setCurrentIndex(tab);
    tbsOptions->setCurrentIndex(current);
    // Sized now, before the window is on the screen.
    layout()->activate();
}

PictureBox* frmOptions::NewCardPicture(QWidget* parent) {
    auto* box = new PictureBox(parent);
    box->SetBackColor(palette().color(QPalette::Window));
    box->setFixedSize(CardSize());
    return box;
}

QWidget* frmOptions::BuildCardTab() {
    auto* tab = new QWidget;
    LblImage[4] = NewLabel("", tab, true);

    Label8 = NewLabel("Numbers only:", tab);
    auto* numbers = new QVBoxLayout;
    numbers->addWidget(Label8);
    for (int style = 1; style <= 5; ++style) {
        OptCard[static_cast<size_t>(style)] = new QRadioButton(StyleNames[style], tab);
        numbers->addWidget(OptCard[static_cast<size_t>(style)]);
    }
    numbers->addStretch(1);

    // The whole-face styles, each beside a small card of its sheet.
    auto* faces = new QGridLayout;
    faces->setVerticalSpacing(4);
    for (int style = 6; style <= 8; ++style) {
        const int row = style - 6;
        OptCard[static_cast<size_t>(style)] = new QRadioButton(StyleNames[style], tab);
        auto* frame = new QGroupBox(tab);
        frame->setObjectName(QString("fraSample%1").arg(row + 2));
        auto* inFrame = new QHBoxLayout(frame);
        inFrame->setContentsMargins(3, 3, 3, 3);
        PictureBox*& thumb = picOptions[static_cast<size_t>(row + 1)];
        thumb = new PictureBox(frame);
        thumb->SetBackColor(palette().color(QPalette::Window));
        inFrame->addWidget(thumb);
        faces->addWidget(OptCard[static_cast<size_t>(style)], row, 0);
        faces->addWidget(frame, row, 1);
    }
    faces->setRowStretch(3, 1);

    auto* samples = new QGridLayout;
    samples->setSpacing(6);
    for (size_t k = 0; k < std::size(SampleRanks); ++k) {
        PictureBox* sample = NewCardPicture(tab);
        sample->setToolTip(SampleTip);
        FilePic[SampleRanks[k]] = sample;
        samples->addWidget(sample, static_cast<int>(k / 3), static_cast<int>(k % 3));
    }

    fraSound = new QGroupBox("Card Sound Effects and Skins", tab);
    OptSound[0] = new QRadioButton(" Wood", fraSound);
    OptSound[1] = new QRadioButton(" Metallic", fraSound);
    auto* sound = new QHBoxLayout(fraSound);
    sound->addWidget(OptSound[0]);
    sound->addWidget(OptSound[1]);
    sound->addStretch(1);

    auto* choices = new QHBoxLayout;
    choices->addLayout(numbers);
    choices->addSpacing(12);
    choices->addLayout(faces);
    choices->addSpacing(18);
    choices->addLayout(samples);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(LblImage[4]);
    layout->addLayout(choices);
    layout->addWidget(fraSound);

    for (int style = 1; style <= 8; ++style)
        connect(OptCard[static_cast<size_t>(style)], &QRadioButton::toggled, this, [this, style](bool on) {
            if (on) OptCard_Click(style);
        });
    for (int skin = 0; skin <= 1; ++skin)
        connect(OptSound[static_cast<size_t>(skin)], &QRadioButton::toggled, this, [this, skin](bool on) {
            if (on) OptSound_Click(skin);
        });
    for (const int rank : SampleRanks)
        connect(&FilePic[rank]->Events(), &ControlEvents::Click, this,
                [this] { CmdApply->setEnabled(false); });
    return tab;
}

QWidget* frmOptions::BuildDeckTab() {
    auto* tab = new QWidget;
    LblImage[2] = NewLabel("", tab, true);
    Label1 = NewLabel("Current Selection:", tab);
    picCardBack = NewCardPicture(tab);
    picCardBack->setObjectName("picCardBack");
    HScrollBacks = new QScrollBar(Qt::Horizontal, tab);
    HScrollBacks->setObjectName("HScrollBacks");
    HScrollBacks->setPageStep(1);
    FilePic[15] = NewCardPicture(tab);
    FilePic[15]->setToolTip("Current Deck Preview");

    auto* selection = new QGridLayout;
    selection->addWidget(Label1, 0, 0, 1, 2);
    selection->addWidget(picCardBack, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    selection->addWidget(FilePic[15], 1, 1, Qt::AlignLeft | Qt::AlignTop);
    selection->addWidget(HScrollBacks, 2, 0);
    selection->setColumnMinimumWidth(1, CardSize().width() + 8);
    selection->setRowStretch(3, 1);

    LblImage[1] = NewLabel("", tab, true);
    Command2[0] = new QPushButton("Deck Color", tab);
    Command2[0]->setToolTip("Click on the SM card to reset default card back color");
    // Only the plain deck shows these two; the tab keeps their room either way.
    for (QWidget* plainOnly : {static_cast<QWidget*>(LblImage[1]), static_cast<QWidget*>(Command2[0])}) {
        QSizePolicy policy = plainOnly->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        plainOnly->setSizePolicy(policy);
    }
    Command2[1] = new QPushButton("Mat Color", tab);
    Frame1 = new PictureBox(tab);
    Frame1->setObjectName("Frame1");
    Frame1->SetBorderStyle(1);
    Frame1->setFixedSize(SwatchSize, SwatchSize);
    ImgBack = new PictureBox(tab);
    ImgBack->setObjectName("ImgBack");
    ImgBack->setFixedSize(TableThumbWidth, TableThumbHeight);
    auto* table = new QHBoxLayout;
    table->addWidget(Frame1, 0, Qt::AlignTop);
    table->addWidget(ImgBack, 0, Qt::AlignTop);
    table->addStretch(1);

    LblImage[0] = NewLabel("Reset defaults:", tab);
    FilePic[0] = NewCardPicture(tab);
    FilePic[0]->setToolTip("Click here to restore default deck and mat color");
    auto* reset = new QHBoxLayout;
    reset->addWidget(LblImage[0], 0, Qt::AlignTop);
    reset->addWidget(FilePic[0], 0, Qt::AlignTop);
    reset->addStretch(1);

    auto* colours = new QVBoxLayout;
    colours->addWidget(LblImage[1]);
    colours->addWidget(Command2[0], 0, Qt::AlignLeft);
    colours->addWidget(Command2[1], 0, Qt::AlignLeft);
    colours->addLayout(table);
    colours->addSpacing(8);
    colours->addLayout(reset);
    colours->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(selection);
    columns->addSpacing(16);
    columns->addLayout(colours, 1);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(LblImage[2]);
    layout->addLayout(columns);

    connect(HScrollBacks, &QScrollBar::valueChanged, this, &frmOptions::HScrollBacks_Change);
    connect(&picCardBack->Events(), &ControlEvents::Click, this, &frmOptions::picCardBack_Click);
    connect(&FilePic[0]->Events(), &ControlEvents::Click, this, &frmOptions::FilePic0_Click);
    connect(&FilePic[15]->Events(), &ControlEvents::Click, this, [this] { CmdApply->setEnabled(false); });
    for (int i = 0; i <= 1; ++i)
        connect(Command2[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { Command2_Click(i); });
    return tab;
}

QWidget* frmOptions::BuildFontTab() {
    auto* tab = new QWidget;
    Frame3 = new PictureBox(tab);
    Frame3->setObjectName("Frame3");
    ImgBackFnt = new PictureBox(tab);
    ImgBackFnt->setObjectName("ImgBackFnt");
    for (size_t i = 0; i < LblFont.size(); ++i) {
        PictureBox* ground = i == 0 ? Frame3 : ImgBackFnt;
        ground->setMinimumWidth(FontSampleMinWidth);
        ground->setFixedHeight(FontSampleHeight);
        LblFont[i] = NewLabel("", ground, true);
        LblFont[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Large sizes run past the sample's ground, as they would on the board, and never resize
        // the dialog.
        LblFont[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        auto* inside = new QVBoxLayout(ground);
        inside->setContentsMargins(8, 6, 8, 6);
        inside->addWidget(LblFont[i]);
    }

    Command2[2] = new QPushButton("Font Color", tab);
    Command2[3] = new QPushButton("Mat Color", tab);
    CmdSz[0] = new QPushButton("+size", tab);
    CmdSz[0]->setToolTip("One pill makes you larger");
    CmdSz[1] = new QPushButton("-size", tab);
    CmdSz[1]->setToolTip("and one pill makes you small");
    CmdRestore = new QPushButton("Restore", tab);
    CKFnt = new QCheckBox("Use Font Backdrop", tab);
    auto* controls = new QHBoxLayout;
    for (QPushButton* b : {Command2[2], Command2[3], CmdSz[0], CmdSz[1], CmdRestore}) controls->addWidget(b);
    controls->addSpacing(10);
    controls->addWidget(CKFnt);
    controls->addStretch(1);

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(Frame3);
    layout->addWidget(ImgBackFnt);
    layout->addLayout(controls);
    layout->addStretch(1);

    for (int i = 2; i <= 3; ++i)
        connect(Command2[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { Command2_Click(i); });
    for (int i = 0; i <= 1; ++i)
        connect(CmdSz[static_cast<size_t>(i)], &QPushButton::clicked, this, [this, i] { CmdSz_Click(i); });
    connect(CmdRestore, &QPushButton::clicked, this, &frmOptions::CmdRestore_Click);
    connect(CKFnt, &QCheckBox::clicked, this, &frmOptions::CKFnt_Click);
    return tab;
}

void ShowPreferencesDialog(GameState& game, ProfileState& profile, PreferencesBoard& board, HelpPort& help,
                           bool largeFonts, QWidget* parent) {
    frmOptions dialog(game, profile, board, help, largeFonts, parent);
    dialog.exec();
}

} // namespace zarle
