// The winner's animation on the running board: the frames and pauses of each order, whose frames
// are shown, the pack read once for repeated wins, and what ends it.

#include "board/flash/WinnerFlash.h"
#include "tests/support/board/DialogFixture.h"
#include "tests/support/PicturesFolder.h"

#include <QLabel>

namespace zarle::test {
namespace {

namespace fs = std::filesystem;

enum Winner { Zarle = 0, Quenor = 1, Vova = 2, Zadure = 3 };

// One frame as the board showed it, and the pause that followed it.
struct Shown {
    int Frame = 0;
    float Pause = 0;
    friend bool operator==(const Shown&, const Shown&) = default;
};

class WinnerFlashTest : public DialogTest {
  protected:
    WinnerFlash& Flash() { return Window->Board().WinnerAnimation(); }
    QLabel* Overlay() { return Flash().Shown(); }

    // Plays the animation of `winner` and reports each frame with its pause; `during` runs once for
    // each frame as it shows, with the frames shown so far.
    std::vector<Shown> Play(int winner, const std::function<void(const std::vector<Shown>&)>& during = {}) {
        std::vector<Shown> shown;
        qint64 lastKey = 0;
        Waiter.Waits.clear();
        Waiter.OnWait = [&] {
            // The clean-up's pause is not one of the frames'.
            if (!Overlay()->isVisible() || Waiter.Waits.back() > 0.051f) return;
            const qint64 key = Overlay()->pixmap().cacheKey();
            if (shown.empty() || key != lastKey) {
                int frame = 0;
                for (int n = 1; n <= 7; ++n)
                    if (Flash().Frame(n).cacheKey() == key) frame = n;
                shown.push_back({frame, 0});
                lastKey = key;
                if (during) during(shown);
            }
            shown.back().Pause += Waiter.Waits.back();
        };
        Window->Board().Flash(winner);
        Waiter.OnWait = nullptr;
        for (Shown& s : shown) s.Pause = std::round(s.Pause * 100) / 100;
        return shown;
    }

    static QImage Picture(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_ARGB32); }
    QImage PackPicture(const std::string& name, int frame) {
        return QImage(QString::fromStdString(
                          File("Data/PMS/" + name + "/" + name + std::to_string(frame) + ".png").string()))
            .convertToFormat(QImage::Format_ARGB32);
    }
};

std::vector<Shown> Expected(std::initializer_list<int> frames) {
    std::vector<Shown> out;
    for (int f : frames) {
        const bool top = f == 7 && (out.empty() || out.back().Frame == 6);
        out.push_back({f, f == 1 && (out.empty() || out.back().Frame != 2) ? 0.45f : top ? 0.75f : 0.25f});
    }
    return out;
}

TEST(FlashSequence, OrderOneRunsUpTwiceAnyOtherUpAndBackDown) {
    const auto frames = [](int order) {
        std::vector<int> f;
        for (const FlashStep& s : FlashSequence(order)) f.push_back(s.Frame);
        return f;
    };
    EXPECT_EQ(frames(1), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6, 7}));
    for (int order : {0, 2, -1, 9})
        EXPECT_EQ(frames(order), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1}));
    const auto steps = FlashSequence(2);
    EXPECT_FLOAT_EQ(steps[0].Pause, 0.45f);
    EXPECT_FLOAT_EQ(steps[1].Pause, 0.25f);
    EXPECT_FLOAT_EQ(steps[6].Pause, 0.75f);
    EXPECT_FLOAT_EQ(steps[12].Pause, 0.25f);
}

TEST_F(WinnerFlashTest, TheLeadPersonalityJumpsTwiceWithItsBuiltInFramesBesideTheCenters) {
    StartWith();
    Game->Sounds[0] = " 1";
    const QString shots = QString::fromStdString(zarle::testing::PicturesFolder("flash-shots").string());
    const auto shown = Play(Zarle, [&](const std::vector<Shown>& s) {
        if (s.size() == 7) {
            EXPECT_FALSE(Window->Board().Model().Get(Ctl::PicCenter, 1).Visible)
                << "the frames take its place";
            Window->Window().show();
            EXPECT_TRUE(Window->Window().grab().save(shots + "/zarle-frame7-two-players.png"));
        }
    });
    EXPECT_EQ(shown, Expected({1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Flash().Frame(7).size(), QSize(144, 297));
    EXPECT_FALSE(Overlay()->isVisible()) << "cleaned up";
    EXPECT_TRUE(Window->Board().Model().Get(Ctl::PicCenter, 1).Visible);
    EXPECT_FLOAT_EQ(Waiter.Waits.back(), 0.2f);
}

TEST_F(WinnerFlashTest, ZadureCelebratesWithVovasFramesUpAndBackDown) {
    StartWith([](PlayerRecord& r) {
        r.NumPlayers = 4;
        r.NumCenters = 4;
    });
    Game->Sounds[0] = " 2";
    const QString shots = QString::fromStdString(zarle::testing::PicturesFolder("flash-shots").string());
    const auto shown = Play(Zadure, [&](const std::vector<Shown>& s) {
        if (s.size() == 7) {
            Window->Window().show();
            EXPECT_TRUE(Window->Window().grab().save(shots + "/zadure-frame7-four-players.png"));
            const Control& centers = Window->Board().Model().Get(Ctl::Label10);
            EXPECT_EQ(Overlay()->x(), std::lround((centers.Left + centers.Width) / 15));
            EXPECT_FALSE(Window->Board().Model().Get(Ctl::Picture7, 1).Visible);
        }
    });
    EXPECT_EQ(shown, Expected({1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1}));
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(Picture(Flash().Frame(n)), PackPicture("Vova", n)) << n;
    EXPECT_TRUE(Window->Board().Model().Get(Ctl::Picture7, 1).Visible);
}

TEST_F(WinnerFlashTest, TwoWinsInARowReadThePackOnceAndAPersonalityWithoutOneShowsNothing) {
    StartWith();
    Game->Sounds[0] = " 2";
    EXPECT_EQ(Play(Quenor).size(), 13u);
    const QImage top = Picture(Flash().Frame(7));
    EXPECT_EQ(top, PackPicture("Quenor", 7));
    fs::remove_all(File("Data/PMS/Quenor"));
    EXPECT_EQ(Play(Quenor).size(), 13u) << "the frames are kept";
    EXPECT_EQ(Picture(Flash().Frame(7)), top);

    EXPECT_EQ(Play(Zarle).size(), 13u);
    EXPECT_NE(Picture(Flash().Frame(7)), top) << "the built-in frames are back";
    EXPECT_TRUE(Play(Quenor).empty()) << "no pack, no frames";
    EXPECT_TRUE(Waiter.Waits.empty());
}

TEST_F(WinnerFlashTest, APackFramePastItsShareOfOnePicturesRoomKeepsTheFrameBefore) {
    StartWith();
    Game->Sounds[0] = " 2";
    // One byte a pixel in its file, four on screen: more than a seventh of the largest picture.
    QImage large(1000, 1000, QImage::Format_Indexed8);
    large.setColorTable({qRgb(200, 0, 0)});
    large.fill(0);
    ASSERT_TRUE(large.save(QString::fromStdString(File("Data/PMS/Vova/Vova3.png").string()), "PNG"));
    EXPECT_EQ(Play(Vova).size(), 13u);
    EXPECT_EQ(Picture(Flash().Frame(2)), PackPicture("Vova", 2));
    EXPECT_EQ(Flash().Frame(3).size(), QSize(144, 297)) << "the lead's frame stays";
}

TEST_F(WinnerFlashTest, ANewGameEndsItAndAClosingProgramStopsItAtOnce) {
    StartWith();
    Game->Sounds[0] = " 2";
    const auto cut = Play(Vova, [&](const std::vector<Shown>& s) {
        if (s.size() == 3) {
            Game->WorkSideCount = 20;
            Game->PTurn = 2;
        }
    });
    EXPECT_EQ(cut.size(), 3u);
    EXPECT_FALSE(Overlay()->isVisible());
    EXPECT_TRUE(Window->Board().Model().Get(Ctl::PicCenter, 1).Visible);

    Game->WorkSideCount = 0;
    Game->PTurn = 0;
    const auto stopped = Play(Vova, [&](const std::vector<Shown>& s) {
        if (s.size() == 2) Game->StopWait = true;
    });
    EXPECT_EQ(stopped.size(), 2u);
    EXPECT_NE(Waiter.Waits.back(), 0.2f) << "no clean-up";
    Game->StopWait = false;
}

TEST_F(WinnerFlashTest, AWinnerOutsideThePersonalityListShowsNoAnimation) {
    StartWith();
    for (int winner : {4, -1, 99}) {
        EXPECT_TRUE(Play(winner).empty()) << winner;
        EXPECT_TRUE(Waiter.Waits.empty());
        EXPECT_FALSE(Overlay()->isVisible());
    }
}

} // namespace
} // namespace zarle::test
