// The preferences dialog over a real board, driven by mouse and key events: each tab's choices,
// Apply for the tab showing and OK for every tab, Cancel and the close box, the colour dialog, the
// font size limits, and a picture of every tab at normal and large fonts.

#include "tests/board/looks/LooksTable.h"

#include "rendering/cards/BackDesigns.h"
#include "rendering/cards/CardPictureBank.h"
#include "rendering/cards/CardPictureComponent.h"
#include "tests/support/board/PixmapOf.h"
#include "rendering/cards/clsDLL.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "persistence/dialogs/frmOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zarle::test {
namespace {

class RecordingHelp : public HelpPort {
  public:
    std::vector<std::string> Keywords;
    void ShowHelp(std::string_view keyword) override { Keywords.emplace_back(keyword); }
};

class PreferencesWindowTest : public ::testing::Test {
  protected:
    PreferencesWindowTest() {
        t.Profile.BackIdx = t.IndexOf("tile_wood.jpg");
        t.Board().BackgroundPaint();
        t.Window->Window().show();
    }
    ~PreferencesWindowTest() override { t.Window->Window().close(); }

    std::unique_ptr<frmOptions> Open(bool largeFonts = false) {
        auto dialog = std::make_unique<frmOptions>(t.Game, t.Profile, t.Looks().PreferencesPort(), help,
                                                   largeFonts, &t.Window->Window());
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        return dialog;
    }
    // Buttons, radio buttons and check boxes are clicked near their left end, where the indicator
    // of a radio button or check box lies.
    static void Click(QWidget* control) {
        ASSERT_TRUE(control->isEnabled());
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
    }
    static void ShowTab(frmOptions& dialog, int tab) {
        QTabBar* bar = dialog.tbsOptions->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        ASSERT_EQ(dialog.tbsOptions->currentIndex(), tab);
    }
    // A click on the scroll bar's right arrow.
    static void NextBack(frmOptions& dialog) {
        QScrollBar* bar = dialog.HScrollBacks;
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2));
    }
    // The next colour dialog picks `colour`.
    static void PickColourNext(const QColor& colour) {
        QTimer::singleShot(0, [colour] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->setCurrentColor(colour);
            dialog->accept();
        });
    }
    QImage Sheet(int style) {
        CardPictureBank bank(t.Game.AppPath);
        clsDLL(bank).GetCardFaces(style);
        return bank.imgALL();
    }
    const Control& Board(ControlId id) { return t.Model(id); }

    LooksTable t;
    RecordingHelp help;
};

TEST_F(PreferencesWindowTest, TheCardTabPutsTheStyleItsSkinAndItsTableInForce) {
    auto d = Open();
    EXPECT_EQ(d->windowTitle(), "Preferences");
    EXPECT_EQ(d->tbsOptions->tabText(0), "Pick a Card");
    EXPECT_EQ(d->tbsOptions->tabToolTip(2), "Set Font ");
    EXPECT_TRUE(d->OptCard[6]->isChecked());
    EXPECT_TRUE(d->OptSound[0]->isChecked());
    EXPECT_EQ(d->OptSound[1]->text(), " Metallic");
    EXPECT_FALSE(d->CmdApply->isEnabled());

    Click(d->OptCard[7]); // "Steel"
    EXPECT_EQ(d->ChosenCardStyle(), 7);
    EXPECT_EQ(t.Game.CardStyle, 6) << "the board keeps the style in force until Apply";
    EXPECT_TRUE(d->OptSound[1]->isChecked()) << "Steel preselects the metallic skin";
    EXPECT_TRUE(d->CmdApply->isEnabled());
    EXPECT_EQ(t.Profile.BackgroundIdx, 0) << "nothing applied yet";
    CardPictureBank steel(t.Game.AppPath);
    clsDLL(steel).GetCardFaces(7);
    EXPECT_TRUE(SamePixels(PictureOf(d->FilePic[13]), steel.FaceCell(13))) << "the samples show the style";
    EXPECT_TRUE(SamePixels(t.Window->Pictures().imgALL(), Sheet(6)))
        << "the board keeps its faces until Apply";
    EXPECT_TRUE(SaveForReview(d->grab().toImage(), "preferences-tab1-steel"));

    Click(d->CmdApply);
    EXPECT_EQ(t.Profile.BackgroundIdx, 1);
    EXPECT_EQ(d->AppliedCardStyle(), 7);
    EXPECT_TRUE(SamePixels(t.Window->Pictures().imgALL(), Sheet(7)));
    EXPECT_TRUE(SamePixels(t.Window->Pictures().BackPicA(), t.Window->Pictures().ImgEmpty2()))
        << "metal empty piles";
    EXPECT_EQ(t.Profile.BackIdx, t.IndexOf("tile_metal2.gif")) << "the style's own table";
    EXPECT_EQ(Board({Ctl::Label9, 2}).Caption, "To change backgrounds, use the Up/Down Arrow keys.");
    EXPECT_FALSE(Board({Ctl::Picture7, 1}).Visible) << "no game: no side-pile top";
    EXPECT_FALSE(d->CmdApply->isEnabled());

    Click(d->OptCard[2]); // "Artsy"
    EXPECT_TRUE(d->OptSound[0]->isChecked()) << "any other new style preselects wood";
    Click(d->OptCard[7]);
    EXPECT_TRUE(d->OptSound[0]->isChecked()) << "re-picking the applied style preselects nothing";
    EXPECT_FALSE(d->CmdApply->isEnabled());
    Click(d->cmdOK);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(t.Game.CardStyle, 7);
    EXPECT_EQ(t.Profile.BackgroundIdx, 0) << "OK applies the showing tab";
}

TEST_F(PreferencesWindowTest, CancelAndTheCloseBoxLeaveTheStyleInForce) {
    auto d = Open();
    Click(d->OptCard[2]);
    Click(d->cmdCancel);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(t.Game.CardStyle, 6);
    EXPECT_EQ(t.Profile.BackgroundIdx, 0);
    EXPECT_TRUE(SamePixels(t.Window->Pictures().imgALL(), Sheet(6)));

    d = Open();
    Click(d->OptCard[8]);
    d->close();
    EXPECT_EQ(t.Game.CardStyle, 6);
}

// Apply puts in force the showing tab and leaves the board in the style in force; OK puts in force
// what the player chose on every tab, whichever tab shows.
TEST_F(PreferencesWindowTest, OkOnAnotherTabPutsTheStylePickedInForce) {
    t.Game.PTurn = 1;
    t.Game.PlayerCards[1] = CardOfId(13);
    t.Board().SetVisible({Ctl::Picture7, 1}, true);
    const auto sideTop = [&] { return Board({Ctl::Picture7, 1}).Picture; };
    auto d = Open();
    Click(d->OptCard[5]); // "Viking"
    ShowTab(*d, 2);
    Click(d->CmdSz[0]);
    Click(d->CmdApply);
    EXPECT_EQ(t.Game.CardStyle, 6);
    EXPECT_EQ(sideTop(), "face:13") << "drawn in the style in force";

    Click(d->cmdOK);
    EXPECT_EQ(t.Game.CardStyle, 5);
    EXPECT_EQ(sideTop(), "rank:13");
    EXPECT_TRUE(SamePixels(t.Window->Pictures().Image1(13), t.Window->Pictures().RankPicture(5, 13, false)));
    d = Open();
    EXPECT_TRUE(d->OptCard[5]->isChecked());
    d->close();
}

TEST_F(PreferencesWindowTest, TheDeckTabAppliesTheBackAndTheColoursOnlyFromItsOwnTab) {
    t.Profile.BitsPerPixel = 8;
    auto d = Open();
    ShowTab(*d, 1);
    EXPECT_EQ(d->HScrollBacks->maximum(), BackDesignCount);
    EXPECT_EQ(d->HScrollBacks->value(), 0);
    EXPECT_TRUE(d->Command2[0]->isVisible()) << "the plain deck's colour can be changed";
    EXPECT_TRUE(d->LblImage[1]->isVisible());
    EXPECT_EQ(d->FilePic[0]->BackColor(), QColor(0xFF, 0xFF, 0xC0)) << "&HC0FFFF on a screen of few colours";
    EXPECT_FALSE(d->CmdApply->isEnabled());

    for (int i = 0; i < 3; ++i) NextBack(*d);
    EXPECT_EQ(d->ChosenBackDesign(), 3);
    EXPECT_FALSE(d->Command2[0]->isVisible());
    EXPECT_FALSE(d->LblImage[1]->isVisible());
    EXPECT_TRUE(d->CmdApply->isEnabled());

    ShowTab(*d, 2);
    Click(d->CmdSz[0]);
    Click(d->CmdApply);
    EXPECT_EQ(t.Profile.BackDesign, 0) << "Apply on the font tab leaves the back chosen on the deck tab";

    ShowTab(*d, 1);
    EXPECT_EQ(d->HScrollBacks->value(), 0);
    for (int i = 0; i < 3; ++i) NextBack(*d);
    PickColourNext(QColor(0x20, 0x40, 0x60));
    Click(d->Command2[1]); // "Mat Color"
    EXPECT_EQ(d->Frame1->BackColor(), QColor(0x20, 0x40, 0x60));
    Click(d->cmdOK);
    EXPECT_EQ(t.Profile.BackDesign, 3);
    EXPECT_EQ(t.Game.DeckColor, static_cast<uint32_t>(BackDesigns[2].groundColour));
    EXPECT_EQ(t.Profile.MatColor, 0x604020u);
    EXPECT_TRUE(
        SamePixels(t.Window->Pictures().FilePic(0), CardPictureComponent().CardBackPicture(2, false)));

    d = Open();
    ShowTab(*d, 1);
    QTest::keyClick(d->HScrollBacks, Qt::Key_Home);
    EXPECT_EQ(d->ChosenBackDesign(), 0);
    Click(d->picCardBack);
    EXPECT_EQ(d->picCardBack->BackColor(), QColor(0xFF, 0xFF, 0xC0))
        << "a click resets the plain deck's colour";
    Click(d->CmdApply);
    EXPECT_EQ(t.Profile.BackDesign, 0);
    EXPECT_EQ(t.Game.DeckColor, 0xC0FFFFu);
}

TEST_F(PreferencesWindowTest, TheFontTabKeepsTheSizeBetween6And48AndDressesTheMessageLines) {
    auto d = Open();
    ShowTab(*d, 2);
    EXPECT_EQ(d->LblFont[0]->font().pointSize(), t.Board().FontSize({Ctl::Label9, 2}));
    for (int i = 0; i < 20; ++i) Click(d->CmdSz[1]);
    EXPECT_EQ(d->LblFont[0]->font().pointSize(), MinMsgFontSize);
    Click(d->CmdApply);
    EXPECT_EQ(t.Board().FontSize({Ctl::Label9, 2}), 6);
    EXPECT_EQ(t.Board().FontSize({Ctl::LblWild, 1}), 6);
    EXPECT_EQ(t.Profile.MsgFontSize, 6);

    for (int i = 0; i < 50; ++i) Click(d->CmdSz[0]);
    EXPECT_EQ(d->LblFont[1]->font().pointSize(), MaxMsgFontSize);
    PickColourNext(QColor(0x12, 0x34, 0x56));
    Click(d->Command2[2]); // "Font Color"
    EXPECT_EQ(d->LblFont[0]->ForeColor(), QColor(0x12, 0x34, 0x56));
    Click(d->CKFnt);
    EXPECT_EQ(d->LblFont[1]->BackStyle(), 1);
    Click(d->cmdOK);
    EXPECT_EQ(t.Profile.MsgFontSize, 48);
    EXPECT_EQ(t.Profile.FontColor, 0x563412);
    EXPECT_EQ(Board({Ctl::Label9, 1}).ForeColor, 0x563412u);
    EXPECT_EQ(Board({Ctl::Label9, 4}).ForeColor, 0x563412u);
    EXPECT_FALSE(Board({Ctl::Label9, 2}).BackTransparent);
    EXPECT_EQ(Board({Ctl::Label9, 2}).BackColor, t.Profile.MatColor);
    EXPECT_EQ(t.Profile.FontBackdrop, -1);
}

TEST_F(PreferencesWindowTest, HelpCtrlTabAndTheRefusalDuringAnotherPlayersTurn) {
    auto d = Open();
    Click(d->cmdHelp);
    EXPECT_EQ(help.Keywords, (std::vector<std::string>{"preferences"}));
    for (const int next : {1, 2, 0}) {
        QTest::keyClick(d.get(), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(d->tbsOptions->currentIndex(), next);
    }
    d->close();

    t.Game.NetMode = 1;
    t.Game.PTurn = 2;
    t.Looks().ShowPreferences();
    ASSERT_EQ(t.Box.Texts.size(), 1u);
    EXPECT_EQ(t.Box.Texts[0], "Please wait until your turn to change game preferences!");
}

// No control is cut short by its neighbours or by the dialog's edge.
void ExpectNothingCut(QWidget& dialog) {
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&dialog) || !w->parentWidget()->isVisibleTo(&dialog)) continue;
        const std::string name =
            w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName().toStdString();
        const QRect inDialog(w->mapTo(&dialog, QPoint()), w->size());
        EXPECT_TRUE(dialog.rect().contains(inDialog)) << name;
        if (qobject_cast<QAbstractButton*>(w)) {
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name;
            EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name;
        }
        if (auto* label = dynamic_cast<Label*>(w); label && label->parentWidget()->layout()) {
            const int needed =
                label->WordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            EXPECT_GE(label->height(), needed) << label->text().toStdString();
            if (!label->WordWrap()) {
                EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
            }
        }
    }
}

TEST_F(PreferencesWindowTest, EveryTabLaidOutAtNormalAndLargeFonts) {
    const QFont normal = QApplication::font();
    for (const bool largeFonts : {false, true}) {
        SCOPED_TRACE(largeFonts);
        QFont font = normal;
        if (largeFonts) font.setPointSizeF(normal.pointSizeF() * 1.25);
        QApplication::setFont(font);
        auto d = Open(largeFonts);
        EXPECT_EQ(d->FilePic[7]->size(), largeFonts ? QSize(59, 80) : QSize(71, 96));
        for (int tab = 0; tab < 3; ++tab) {
            ShowTab(*d, tab);

            QCoreApplication::processEvents();
            ExpectNothingCut(*d);
            EXPECT_TRUE(SaveForReview(
                d->grab().toImage(),
                QString("preferences-tab%1%2").arg(tab + 1).arg(largeFonts ? "-largefonts" : "")));
        }
        d->close();
    }
    QApplication::setFont(normal);
}

} // namespace
} // namespace zarle::test
