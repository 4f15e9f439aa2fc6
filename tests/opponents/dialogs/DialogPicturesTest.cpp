// Every opponents window as the player sees it, on a usual screen, on a narrow one and with large
// fonts: saved as pictures to look at, and checked to fit the screen with every caption whole and
// no control over another.

#include "tests/support/board/DialogFixture.h"
#include "tests/support/PicturesFolder.h"
#include "opponents/dialogs/frmCustom.h"
#include "opponents/dialogs/frmMulti.h"
#include "opponents/dialogs/frmSpeed.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace zarle::test {
namespace {

struct Screen {
    const char* name;
    int32_t twips;     // width
    QSize size;        // pixels
    double fontFactor; // large fonts
};

const Screen Screens[] = {
    {"usual", 15360, {1024, 768}, 1.0},
    {"narrow", 9600, {640, 480}, 1.0},
    {"large-fonts", 15360, {1024, 768}, 1.25},
};

// Controls whose whole caption must show: buttons, check and option buttons, single-line labels.
bool CaptionCut(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull()) return false;
        if (label->wordWrap()) return label->height() < label->heightForWidth(label->width());
        return label->width() < label->sizeHint().width() || label->height() < label->sizeHint().height();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->width() < button->minimumSizeHint().width();
    return false;
}

void ExpectLaidOutCleanly(QWidget& window, const Screen& screen) {
    EXPECT_LE(window.width(), screen.size.width()) << "wider than the screen";
    EXPECT_LE(window.height(), screen.size.height()) << "taller than the screen";
    std::vector<QWidget*> shown;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->isWindow()) continue;
        EXPECT_FALSE(CaptionCut(w))
            << w->metaObject()->className() << " '"
            << (qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text().toStdString() : "")
            << (qobject_cast<QAbstractButton*>(w) ? qobject_cast<QAbstractButton*>(w)->text().toStdString()
                                                  : "")
            << "' is cut";
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) shown.push_back(w);
    }
    for (size_t i = 0; i < shown.size(); ++i)
        for (size_t j = i + 1; j < shown.size(); ++j) {
            const QRect a(shown[i]->mapTo(&window, QPoint()), shown[i]->size());
            const QRect b(shown[j]->mapTo(&window, QPoint()), shown[j]->size());
            EXPECT_FALSE(a.intersects(b)) << shown[i]->metaObject()->className() << " and "
                                          << shown[j]->metaObject()->className() << " overlap";
        }
}

class DialogPicturesTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        folder_ = QString::fromStdString(zarle::testing::PicturesFolder("dialog-shots").string());
        font_ = QApplication::font();
    }
    void TearDown() override {
        QApplication::setFont(font_);
        DialogTest::TearDown();
    }
    void For(const Screen& screen) {
        Game->ScreenTwips = screen.twips;
        QFont font = font_;
        font.setPointSizeF(font_.pointSizeF() * screen.fontFactor);
        QApplication::setFont(font);
    }
    void Check(QWidget& window, const Screen& screen, const std::string& name) {
        SCOPED_TRACE(name + " " + screen.name);
        ExpectLaidOutCleanly(window, screen);
        const QString file = folder_ + "/" + QString::fromStdString(name) + "-" + screen.name + ".png";
        EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
    }

  private:
    QString folder_;
    QFont font_;
};

TEST_F(DialogPicturesTest, OpponentsSetupInBothWidthsAndForThePlayer) {
    StartWith([](PlayerRecord& r) {
        r.NumPlayers = 3;
        r.NumCenters = 4;
    });
    for (const Screen& screen : Screens) {
        For(screen);
        WhileShown<frmMulti>([&] { Window->Dialogs().SetupOpponents(); },
                             [&](frmMulti& w) {
                                 Check(w, screen, "opponents-setup");
                                 Click(w.OptWav[1]);
                                 Click(w.cmdSounds);
                                 ASSERT_TRUE(w.IsWide());
                                 Click(w.OptPlay[14]);
                                 Check(w, screen, "opponents-setup-sounds");
                                 Click(w.CmdSetup[3]);
                                 Check(w, screen, "opponents-setup-player");
                                 Click(w.cmdCancel);
                             });
    }
}

TEST_F(DialogPicturesTest, CommentEditorAndSpeedDialog) {
    StartWith();
    for (const Screen& screen : Screens) {
        For(screen);
        Window->Dialogs().ShowCustomComments();
        frmCustom* editor = Window->Dialogs().CustomComments();
        ASSERT_NE(editor, nullptr);
        Check(*editor, screen, "comment-editor");
        TypeInto(editor->Text1[4], QString(101, 'w'));
        Click(editor->Command3[2]);
        Check(*editor, screen, "comment-editor-refused");
        delete editor;
        WhileShown<frmSpeed>([&] { Window->Dialogs().ShowSpeed(); },
                             [&](frmSpeed& w) {
                                 Check(w, screen, "speed");
                                 Click(w.Command1);
                             });
    }
}

} // namespace
} // namespace zarle::test
