#include "fonts/PrivateFonts.h"
#include "pictures/Pictures.h"
#include "settings/Registry.h"
#include "shell/InstanceLock.h"

#include <QFile>
#include <QFontDatabase>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <memory>

using namespace zarle;

TEST(Registry, KeepsValuesByApplicationSectionAndKey) {
    const QString app = QStringLiteral("ZarleNET-test-") + QUuid::createUuid().toString(QUuid::Id128);
    const auto cleanUp = qScopeGuard([&] { QFile::remove(SettingsFile(app)); });
    EXPECT_EQ(GetSetting(app, QStringLiteral("Options"), QStringLiteral("Show Tips at Startup"),
                         QStringLiteral("1")),
              QStringLiteral("1"));
    SaveSetting(app, QStringLiteral("Options"), QStringLiteral("Show Tips at Startup"), QStringLiteral("0"));
    SaveSetting(app, QStringLiteral("Options"), QStringLiteral("Tip Number"), QStringLiteral("12"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("Options"), QStringLiteral("Show Tips at Startup")),
              QStringLiteral("0"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("Options"), QStringLiteral("Tip Number")), QStringLiteral("12"));
    EXPECT_EQ(GetSetting(QStringLiteral("Other"), QStringLiteral("Options"), QStringLiteral("Tip Number")),
              QString());
    SaveSetting(app, QStringLiteral("a/b"), QStringLiteral("c\\d"), QStringLiteral("x"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("a/b"), QStringLiteral("c\\d")), QStringLiteral("x"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("a"), QStringLiteral("b/c")), QString()) << "names do not nest";
}

TEST(InstanceLock, ASecondCopySeesTheFirst) {
    const QString name = QStringLiteral("zarlenet-test-") + QUuid::createUuid().toString(QUuid::Id128);
    auto first = std::make_unique<InstanceLock>(name);
    EXPECT_FALSE(first->AnotherIsRunning());
    EXPECT_TRUE(InstanceLock(name).AnotherIsRunning());
    first.reset();
    EXPECT_FALSE(InstanceLock(name).AnotherIsRunning()) << "the lock goes with the copy that held it";
}

TEST(PrivateFonts, AddedFontsAreUsableUntilRemoved) {
    const QString font = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    if (!QFile::exists(font)) GTEST_SKIP() << "no font file to try";
    ASSERT_TRUE(AddFontResource(font));
    EXPECT_TRUE(AddFontResource(font)) << "again is harmless";
    EXPECT_TRUE(PrivateFontFamilies(font).contains(QStringLiteral("DejaVu Sans")));
    EXPECT_TRUE(RemoveFontResource(font));
    EXPECT_FALSE(RemoveFontResource(font));
    EXPECT_TRUE(PrivateFontFamilies(font).isEmpty());
    EXPECT_FALSE(AddFontResource(QStringLiteral("/no/such/Zarle1.ttf")));
}

TEST(Pictures, SavedAsBmpAndReadByContent) {
    QTemporaryDir dir;
    QPixmap card(71, 96);
    card.fill(Qt::darkGreen);
    const QString saved = dir.filePath(QStringLiteral("~temp.bmp"));
    ASSERT_TRUE(SavePicture(card, saved));
    EXPECT_TRUE(QFile(saved).open(QIODevice::ReadOnly));
    ASSERT_TRUE(QFile::copy(saved, dir.filePath(QStringLiteral("named.gif"))));

    const QPixmap back = LoadPicture(dir.filePath(QStringLiteral("named.gif")));
    ASSERT_FALSE(back.isNull()) << "a BMP under another name still loads";
    EXPECT_EQ(back.size(), QSize(71, 96));
    EXPECT_EQ(back.toImage().pixelColor(5, 5), QColor(Qt::darkGreen));
    EXPECT_EQ(LoadPictureScaled(saved, 59, 80).size(), QSize(59, 80));
    EXPECT_TRUE(LoadPicture(dir.filePath(QStringLiteral("missing.jpg"))).isNull());
    EXPECT_FALSE(SavePicture(card, dir.filePath(QStringLiteral("no/such/folder/x.bmp"))));
}
