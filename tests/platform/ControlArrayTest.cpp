#include "platform/controls/ControlArray.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Shape.h"
#include "platform/net/Winsock.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

using namespace zarle;

TEST(ControlArray, LoadedElementsAreHiddenCopiesOfTheFirst) {
    QWidget board;
    ControlArray<Shape> frames(QStringLiteral("Stack"), &board);
    Shape& first = frames.Load(0);
    first.setGeometry(5, 6, 71, 96);
    first.SetBackStyle(1);
    first.SetBackColor(Qt::darkRed);
    first.show();

    std::vector<int> wired;
    frames.OnLoad([&](int index, Shape&) { wired.push_back(index); });
    Shape& frame = frames.Load(76);
    EXPECT_EQ(frame.geometry(), QRect(5, 6, 71, 96));
    EXPECT_EQ(frame.BackColor(), QColor(Qt::darkRed));
    EXPECT_EQ(frame.BackStyle(), 1);
    EXPECT_TRUE(frame.isHidden());
    EXPECT_EQ(frame.objectName(), QStringLiteral("Stack"));
    EXPECT_EQ(frame.parentWidget(), &board);

    EXPECT_EQ(&frames.Load(76), &frame) << "loading a loaded element changes nothing";
    frames.Load(51);
    EXPECT_EQ(wired, (std::vector<int>{76, 51}));
    EXPECT_EQ(frames.Indices(), (std::vector<int>{0, 51, 76}));
    EXPECT_EQ(frames.LBound(), 0);
    EXPECT_EQ(frames.UBound(), 76);
    EXPECT_EQ(frames.Count(), 3);
}

TEST(ControlArray, UnloadedElementsAreGone) {
    QWidget board;
    ControlArray<PictureBox> pictures(QStringLiteral("Picture2"), &board);
    pictures.Load(1);
    QPointer<PictureBox> second = &pictures.Load(2);
    pictures.Unload(2);
    pictures.Unload(7); // never loaded: nothing happens
    EXPECT_FALSE(pictures.Has(2));
    EXPECT_EQ(pictures.At(2), nullptr);
    EXPECT_EQ(pictures.Indices(), std::vector<int>{1});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull());

    pictures.Unload(1);
    EXPECT_EQ(pictures.LBound(), -1);
    EXPECT_EQ(pictures.UBound(), -1);
}

TEST(ControlArray, AnElementMayUnloadItselfFromItsOwnHandler) {
    QWidget board;
    board.resize(200, 200);
    ControlArray<PictureBox> pictures(QStringLiteral("Picture8"), &board);
    int heardAfterUnload = 0;
    pictures.OnLoad([&](int index, PictureBox& picture) {
        QObject::connect(&picture.Events(), &ControlEvents::MouseDown,
                         [&pictures, index] { pictures.Unload(index); });
        QObject::connect(&picture.Events(), &ControlEvents::MouseUp, [&] { ++heardAfterUnload; });
    });
    PictureBox& picture = pictures.Load(3);
    picture.setGeometry(0, 0, 50, 50);
    picture.show();
    board.show();
    QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(pictures.Has(3));
    EXPECT_EQ(heardAfterUnload, 0) << "an unloaded element raises no more events";
}

TEST(ControlArray, HoldsSocketsToo) {
    ControlArray<Winsock> sockets(QStringLiteral("Winsock1"), nullptr);
    sockets.Load(0);
    Winsock& joiner = sockets.Load(1);
    EXPECT_EQ(joiner.State(), Winsock::StateClosed);
    EXPECT_EQ(sockets.Count(), 2);
}
