// The small windows' backdrop (the skin's table stretched over them) and their edge lines.

#include "tests/board/looks/LooksTable.h"

#include "rendering/cards/CardPictureBank.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Label.h"
#include "platform/forms/EdgeLines.h"
#include "platform/forms/Form.h"
#include "board/looks/FormBackdrops.h"
#include "board/windows/frmHold.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zarle::test {
namespace {

struct Window {
    explicit Window(const char* name) {
        form.setObjectName(name);
        form.resize(200, 120);
        button->setGeometry(10, 10, 60, 20);
        label->setGeometry(80, 10, 60, 20);
    }
    Form form;
    CommandButton* button = new CommandButton(&form);
    Label* label = new Label(&form);
};

QColor MeanColour(const QImage& picture) {
    long long r = 0, g = 0, b = 0;
    const long long n = static_cast<long long>(picture.width()) * picture.height();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
    return n == 0 ? QColor()
                  : QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

TEST(FormBackdrops, TheSkinsTableCoversTheWindowAndTheHiddenCardsWindowsControlsTakeItsColour) {
    QTemporaryDir folder;
    const CardPictureBank pictures(folder.path().toStdString());
    for (const int skin : {0, 1}) {
        SCOPED_TRACE(skin);
        Window hold("frmHold");
        Window chat("frmChat");
        const QColor labelBefore = chat.label->BackColor();
        PaintFormBackground(hold.form, skin, pictures);
        PaintFormBackground(chat.form, skin, pictures);

        const QImage shown = chat.form.Picture().toImage();
        ASSERT_EQ(shown.size(), QSize(200, 120));
        // The whole picture, stretched: the same colours on the whole, and no ground showing.
        const QColor backdrop = MeanColour(shown);
        const QColor picture = MeanColour(pictures.imgSkin(skin));
        EXPECT_LE(std::abs(backdrop.red() - picture.red()) + std::abs(backdrop.green() - picture.green()) +
                      std::abs(backdrop.blue() - picture.blue()),
                  12)
            << backdrop.name().toStdString() << " " << picture.name().toStdString();

        const QColor fill = skin == 1 ? QColor(0xC0, 0xC0, 0xC0) : QColor(0xFF, 0xC0, 0x80);
        EXPECT_EQ(hold.label->BackColor(), fill);
        EXPECT_EQ(hold.button->palette().color(QPalette::Button), fill);
        EXPECT_EQ(chat.label->BackColor(), labelBefore) << "other windows get the picture only";
    }
}

TEST(FormBackdrops, EdgeLinesFrameTheWindowAtTheSizeItHadWhenDrawn) {
    Form form;
    form.SetBackColor(Qt::black);
    form.resize(120, 80);
    DrawFormEdgeLines(form);
    form.show();
    const auto colourAt = [&](int x, int y) { return form.grab().toImage().pixelColor(x, y); };
    const QColor light(0xE0, 0xE0, 0xE0);
    const QColor grey(0xC0, 0xC0, 0xC0);
    EXPECT_EQ(colourAt(0, 40), light);
    EXPECT_EQ(colourAt(60, 0), light);
    EXPECT_EQ(colourAt(2, 40), light) << "doubled inside";
    EXPECT_EQ(colourAt(119, 40), grey);
    EXPECT_EQ(colourAt(60, 79), grey);
    EXPECT_EQ(colourAt(60, 40), QColor(Qt::black));

    form.resize(160, 100);
    EXPECT_EQ(colourAt(159, 50), QColor(Qt::black)) << "a resized window keeps its old frame";
    EXPECT_EQ(colourAt(119, 40), grey);
    DrawFormEdgeLines(form);
    EXPECT_EQ(colourAt(159, 50), grey);
    EXPECT_EQ(form.findChildren<QWidget*>().size(), 1) << "drawn again, not twice";
}

// A skin applied from the preferences reaches the hidden-cards window that is open.
TEST(FormBackdrops, AnAppliedSkinRepaintsTheHiddenCardsWindow) {
    LooksTable t;
    frmHold hold(t.Game, t.Profile, t.Window->Pictures(), &t.Window->Window());
    hold.show();
    const QColor wood = MeanColour(hold.Picture().toImage());
    EXPECT_TRUE(SaveForReview(hold.grab().toImage(), "hidden-cards-wood"));
    t.Profile.BackgroundIdx = 1;
    t.Looks().PreferencesPort().ApplySkin();
    EXPECT_NE(MeanColour(hold.Picture().toImage()), wood);
    EXPECT_EQ(hold.cmdExit[0].palette().color(QPalette::Button), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_TRUE(SaveForReview(hold.grab().toImage(), "hidden-cards-metal"));
}

} // namespace
} // namespace zarle::test
