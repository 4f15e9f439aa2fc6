// Files and settings the board cannot use: it keeps what it shows, plays nothing, and lays the
// board out with the defaults.

#include "tests/support/board/BoardTable.h"
#include "tests/support/board/PixmapOf.h"
#include "rendering/sound/SoundSetUp.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace zarle::test {
namespace {

TEST(BoardBadInput, APictureFileThatCannotBeReadLeavesTheOldPictureShowing) {
    BoardTable t;
    QFile broken(t.Folder.filePath("Avatars/Broken.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    QWidget* avatar = t.Widget({Ctl::ImgAvatar, 0});
    const QImage before = PictureOf(avatar);
    ASSERT_FALSE(before.isNull());

    t.Board().ScaleAvatar("Broken.jpg");
    t.Board().ScaleAvatar("Missing.jpg");
    t.Board().Model().Edit(Ctl::ImgAvatar).Picture = t.Folder.filePath("Avatars/Broken.jpg").toStdString();
    t.Board().Present();

    EXPECT_TRUE(SamePixels(PictureOf(avatar), before));
    EXPECT_TRUE(t.Box.Texts.empty());
}

class RecordingOutput : public SoundOutput {
  public:
    std::vector<std::string> Played;
    void PlayFile(const std::string& path, bool) override { Played.push_back(path); }
};

TEST(BoardBadInput, SoundFilesThatAreMissingPlayNothing) {
    BoardTable t;
    RecordingOutput out;
    BoardSound sound(t.Game, t.Profile, out);
    sound.PlayResource(121, SoundPlay::Async);
    sound.PlayCardSound(1);
    sound.PlayFile(t.Folder.filePath("Sounds/none.wav").toStdString(), SoundPlay::ToEnd);
    EXPECT_TRUE(out.Played.empty());

    QDir().mkpath(t.Folder.filePath("Data"));
    SetUpSounds(t.Game.AppPath);
    sound.PlayCardSound(1);
    ASSERT_EQ(out.Played.size(), 1u);
    EXPECT_NE(out.Played[0].find("~118.tmp"), std::string::npos);
}

TEST(BoardBadInput, ADisplaySizeTheProgramLacksLaysTheBoardOutLarge) {
    BoardTable t({2, 3, 7});
    EXPECT_EQ(t.Game.DisplaySize, 0);
    const Control& card = t.Model({Ctl::Picture7, 2});
    EXPECT_EQ(QSize(qRound(ToPixels(card.Width)), qRound(ToPixels(card.Height))), QSize(71, 96));
}

} // namespace
} // namespace zarle::test
