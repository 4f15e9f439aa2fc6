#include "platform/controls/Geometry.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/StatusBar.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "tests/platform/QtPrinting.h"

#include <gtest/gtest.h>

using namespace zarle;

namespace {

QPixmap Filled(int w, int h, const QColor& color) {
    QPixmap pixmap(w, h);
    pixmap.fill(color);
    return pixmap;
}

QColor PixelAt(QWidget& widget, int x, int y) {
    return widget.grab().toImage().pixelColor(x, y);
}

} // namespace

TEST(PictureBox, DrawsItsPictureAtTheCornerOverTheBackColour) {
    PictureBox box;
    box.resize(40, 30);
    box.SetBackColor(Qt::green);
    box.SetPicture(Filled(10, 10, Qt::red));
    EXPECT_EQ(PixelAt(box, 0, 0), QColor(Qt::red));
    EXPECT_EQ(PixelAt(box, 9, 9), QColor(Qt::red));
    EXPECT_EQ(PixelAt(box, 10, 5), QColor(Qt::green)) << "not stretched";
    EXPECT_EQ(PixelAt(box, 39, 29), QColor(Qt::green));

    box.SetBorderStyle(1);
    EXPECT_EQ(PixelAt(box, 2, 2), QColor(Qt::red)) << "the picture starts inside the border";
    EXPECT_NE(PixelAt(box, 0, 0), QColor(Qt::red));

    QPixmap seeThrough(10, 10);
    seeThrough.fill(Qt::transparent);
    box.SetBorderStyle(0);
    box.SetPicture(seeThrough);
    EXPECT_EQ(PixelAt(box, 5, 5), QColor(Qt::green)) << "the back colour shows through a transparent picture";

    box.SetPicture(QPixmap());
    EXPECT_EQ(PixelAt(box, 5, 5), QColor(Qt::green));
}

TEST(PictureBox, PlacedByItsInsideShowsACardWholeWithTheBorderAround) {
    QWidget board;
    PictureBox box(&board);
    box.SetPicture(Filled(10, 12, Qt::red));
    box.SetInside(QRect(20, 30, 10, 12));
    EXPECT_EQ(box.geometry(), QRect(20, 30, 10, 12));

    box.SetBorderStyle(1);
    EXPECT_EQ(box.geometry(), QRect(19, 29, 12, 14)) << "the border lies around the card";
    EXPECT_EQ(PixelAt(box, 1, 1), QColor(Qt::red));
    EXPECT_EQ(PixelAt(box, 10, 12), QColor(Qt::red)) << "the card's far corner is not cut off";
    EXPECT_NE(PixelAt(box, 11, 13), QColor(Qt::red));

    box.SetInside(QRect(40, 50, 10, 12));
    EXPECT_EQ(box.geometry(), QRect(39, 49, 12, 14)) << "a moved card keeps its border around it";
    box.SetBorderStyle(0);
    EXPECT_EQ(box.geometry(), QRect(40, 50, 10, 12));
}

TEST(ImageBox, TakesThePicturesSizeUnlessStretched) {
    ImageBox image;
    image.resize(100, 100);
    image.SetPicture(Filled(20, 10, Qt::blue));
    EXPECT_EQ(image.size(), QSize(20, 10));

    image.SetStretch(true);
    image.resize(60, 40);
    image.SetPicture(Filled(20, 10, Qt::blue));
    EXPECT_EQ(image.size(), QSize(60, 40));
    EXPECT_EQ(PixelAt(image, 59, 39), QColor(Qt::blue));
}

TEST(Label, ShowsCaptionsAsTheyAre) {
    Label label;
    label.SetCaption(QStringLiteral("<b>Bob</b> says\r\nhello"));
    EXPECT_EQ(label.Caption(), QStringLiteral("<b>Bob</b> says\r\nhello"));
    EXPECT_EQ(label.textFormat(), Qt::PlainText) << "a peer's text must not turn into markup";
    EXPECT_EQ(label.text(), QStringLiteral("<b>Bob</b> says\nhello"));
}

TEST(Label, AutoSizeFollowsTheCaption) {
    Label label;
    label.resize(20, 10);
    label.SetAutoSize(true);
    label.SetCaption(QStringLiteral("A caption much wider than twenty pixels"));
    EXPECT_GT(label.width(), 100);
    const int oneLine = label.height();

    label.resize(80, oneLine);
    label.SetWordWrap(true);
    EXPECT_EQ(label.width(), 80) << "a wrapping label keeps its width";
    EXPECT_GT(label.height(), oneLine);
}

TEST(StatusBar, PanelsByNumberAndKey) {
    QWidget board;
    board.resize(600, 400);
    StatusBar bar(&board);
    bar.AddPanel(QStringLiteral("Player"), QStringLiteral("Bob"), 100);
    bar.AddPanel(QStringLiteral("Undo"), QStringLiteral("Undo"), 60);
    const int spring = bar.AddPanel(QStringLiteral("OppName"));
    bar.SetAutoSize(spring, StatusBar::Spring);
    bar.SetMinWidth(2, 700 / 15);
    board.show();

    EXPECT_EQ(bar.geometry().bottom(), board.rect().bottom()) << "docked at the bottom";
    EXPECT_EQ(bar.width(), 600);
    EXPECT_EQ(bar.PanelWithKey(QStringLiteral("OppName")), 3);
    EXPECT_EQ(bar.PanelWithKey(QStringLiteral("none")), 0);
    EXPECT_EQ(bar.Width(2), 60);
    bar.SetWidth(2, 10);
    EXPECT_EQ(bar.Width(2), 46) << "never below the minimum width";
    EXPECT_GT(bar.Width(3), 300) << "the spring takes the rest";

    bar.SetText(9, QStringLiteral("nowhere"));
    EXPECT_EQ(bar.Text(9), QString());
    EXPECT_EQ(bar.Text(0), QString());

    board.resize(800, 400);
    EXPECT_EQ(bar.width(), 800) << "follows its window";
}

TEST(StatusBar, KeepsThePlatformsColoursOnAColouredWindow) {
    QWidget board;
    QPalette table = board.palette();
    table.setColor(QPalette::Window, QColor(0, 64, 0));
    table.setColor(QPalette::WindowText, Qt::black);
    board.setPalette(table);
    board.resize(300, 200);
    StatusBar bar(&board);
    bar.AddPanel({}, QStringLiteral("Tester"), 100);
    board.show();
    const QPalette platform = QApplication::palette(&bar);
    const QImage seen = bar.grab().toImage();
    EXPECT_EQ(seen.pixelColor(bar.width() - 2, bar.height() / 2), platform.color(QPalette::Window))
        << "its own background, not the table";
}

TEST(StatusBar, AClickOnAPanelNamesIt) {
    QWidget board;
    board.resize(600, 400);
    StatusBar bar(&board);
    bar.AddPanel({}, {}, 100);
    bar.AddPanel(QStringLiteral("Undo"), QStringLiteral("Undo"), 100);
    QSignalSpy clicks(&bar, &StatusBar::PanelClick);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.PanelRect(2).center());
    QTest::mousePress(&bar, Qt::LeftButton, {}, bar.PanelRect(1).center());
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, bar.PanelRect(2).center());
    ASSERT_EQ(clicks.size(), 1) << "a press on one panel and a release on another is no click";
    EXPECT_EQ(clicks[0][0].toInt(), 2);
}

TEST(ListBox, EntryUnderTheMouseAndTabStops) {
    ListBox list;
    list.resize(200, 200);
    for (const char* entry : {"New\tF2", "Save\tCtrl+S", "Restore\tCtrl+R"}) list.AddItem(entry);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));

    const int rowHeight = list.ItemHeight();
    ASSERT_GT(rowHeight, 0);
    const QPoint secondRow = list.viewport()->mapToGlobal(QPoint(10, rowHeight + rowHeight / 2));
    EXPECT_EQ(list.ItemFromPoint(secondRow), 1);
    EXPECT_EQ(list.ItemFromPoint(list.viewport()->mapToGlobal(QPoint(10, 190))), -1) << "below the entries";
    EXPECT_EQ(list.ItemFromPoint(list.mapToGlobal(QPoint(-20, 5))), -1) << "outside the list";

    EXPECT_EQ(list.ListIndex(), -1);
    list.SetListIndex(2);
    EXPECT_EQ(list.ListIndex(), 2);
    list.SetListIndex(-1);
    EXPECT_EQ(list.ListIndex(), -1);

    list.SetTabStop(100);
    EXPECT_EQ(list.TabStopPixels(), 25 * list.fontMetrics().averageCharWidth());
}

TEST(Geometry, PlacesControlsInTwipsOrPixels) {
    QWidget board;
    QWidget card(&board);
    MoveControl(card, 1500, 300, ScaleUnit::Twips);
    ResizeControl(card, 1065, 1440, ScaleUnit::Twips);
    EXPECT_EQ(card.geometry(), QRect(100, 20, 71, 96));
    MoveControl(card, 1507.5, 22.5, ScaleUnit::Twips); // 100.5 and 1.5 pixels
    EXPECT_EQ(card.pos(), QPoint(100, 2));

    const Bounds b = BoundsOf(card, ScaleUnit::Twips);
    EXPECT_DOUBLE_EQ(b.left, 1500);
    EXPECT_DOUBLE_EQ(b.width, 1065);
    EXPECT_DOUBLE_EQ(BoundsOf(card, ScaleUnit::Pixels).height, 96);
}
