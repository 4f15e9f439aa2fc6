// Table backgrounds: stepping through the pictures and the plain colour, tiled and stretched
// pictures on the board, broken pictures, and adding a picture to the backgrounds folder.

#include "tests/board/looks/LooksTable.h"

#include "board/looks/Backgrounds.h"
#include "board/looks/TablePicture.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zarle::test {
namespace {

namespace fs = std::filesystem;

TEST(BackgroundSteps, GoRoundThePicturesAndThePlainColour) {
    struct Step {
        int16_t from;
        int16_t count;
        int key;
        int16_t to;
    };
    const Step steps[] = {
        {3, 3, KeyDown, 4},  // after the last picture, the plain colour
        {4, 3, KeyDown, 1},  // then the first picture again
        {1, 3, KeyUp, 4},    // and backwards from the first to the plain colour
        {2, 3, KeySpace, 3}, // the menu's entry steps as Down does
        {0, 3, KeyDown, 1},  // nothing chosen yet
        {0, 0, KeyDown, 1},  // no pictures: always the plain colour
        {1, 0, KeyDown, 1},  {1, 0, KeyUp, 1}, {9, 3, KeyUp, 4}, // a choice the shorter list no longer has
        {9, 3, KeyDown, 1},
    };
    for (const Step& s : steps)
        EXPECT_EQ(SteppedBackIdx(s.from, s.count, s.key), s.to)
            << "from " << s.from << " of " << s.count << " by key " << s.key;
}

TEST(BackgroundPictures, NamesBeginningWithTileAreTiledAndTilesCoverWithoutDividingByZero) {
    for (const char* tiled : {"tile_wood.jpg", "TILE.bmp", "Tile_metal2.gif"})
        EXPECT_TRUE(IsTiledBackground(tiled)) << tiled;
    for (const char* stretched : {"mytile.jpg", "til.jpg", "atile_wood.jpg", ""})
        EXPECT_FALSE(IsTiledBackground(stretched)) << stretched;

    EXPECT_EQ(TileCounts({200, 100}, {400, 300}), QSize(1, 1))
        << "a picture larger than the board is painted once";
    EXPECT_EQ(TileCounts({200, 100}, {100, 50}), QSize(3, 3)) << "exactly two tiles wide gets a third column";
    EXPECT_EQ(TileCounts({200, 100}, {0, 50}), QSize(0, 0));
    EXPECT_EQ(TileCounts({200, 100}, {50, 0}), QSize(0, 0));
    EXPECT_TRUE(TableLook(QImage(), true, {200, 100}).size() == QSize(200, 100));
}

class BackgroundsTest : public ::testing::Test {
  protected:
    BackgroundsTest() {
        for (const auto& entry : fs::directory_iterator(t.BackgroundsFolder())) fs::remove(entry.path());
        WriteQuadrants(t.BackgroundsFolder() / "Tile_quads.bmp", {10, 8});
        WriteQuadrants(t.BackgroundsFolder() / "quads.bmp", {4, 4});
        std::ofstream(t.BackgroundsFolder() / "tile_broken.jpg") << "no picture here";
        t.ReadBacks();
        t.Profile.MatColor = 0x336699;
    }
    QColor At(int x, int y) { return t.TableShown().pixelColor(x, y); }
    // The board's far corner, less `in` pixels each way.
    QColor AtFar(int inX, int inY) {
        const QSize board = t.Window->Window().size();
        return At(board.width() - inX, board.height() - inY);
    }
    void Step(int key) { t.Looks().backgrounds(key); }

    LooksTable t;
};

TEST_F(BackgroundsTest, EachStepShowsItsPictureOrThePlainTable) {
    ASSERT_EQ(t.Profile.BackList,
              (std::vector<std::string>{"quads.bmp", "tile_broken.jpg", "Tile_quads.bmp"}));
    Step(KeyDown);
    ASSERT_EQ(t.Profile.BackIdx, 1);
    ASSERT_EQ(t.Box.Texts.size(), 1u) << "the first step of a run explains the backgrounds";
    EXPECT_NE(t.Box.Texts[0].find("Up and Down arrow keys"), std::string::npos);
    // Stretched: each quadrant covers a quarter of the board.
    const QSize board = t.Window->Window().size();
    EXPECT_EQ(t.TableShown().size(), board);
    EXPECT_EQ(At(10, 10), QColor(Qt::red));
    EXPECT_EQ(At(board.width() - 10, 10), QColor(Qt::green));
    EXPECT_EQ(At(10, board.height() - 10), QColor(Qt::blue));
    EXPECT_EQ(AtFar(10, 10), QColor(Qt::yellow));

    Step(KeyDown);
    EXPECT_EQ(t.Profile.BackIdx, 2);
    EXPECT_TRUE(t.TableShown().isNull()) << "a broken picture leaves the plain table";
    EXPECT_EQ(t.Board().Model().Window().BackColor, 0x336699u);

    Step(KeyDown);
    // Tiled unscaled from the top-left corner.
    EXPECT_EQ(At(0, 0), QColor(Qt::red));
    EXPECT_EQ(At(6, 0), QColor(Qt::green));
    EXPECT_EQ(At(10, 0), QColor(Qt::red));
    // The last whole tile's top-left quadrant, in the far corner.
    EXPECT_EQ(At((board.width() - 1) / 10 * 10, (board.height() - 1) / 8 * 8), QColor(Qt::red))
        << "the tiles reach the far corner";

    Step(KeyDown);
    EXPECT_EQ(t.Profile.BackIdx, 4);
    EXPECT_TRUE(t.TableShown().isNull());
    EXPECT_EQ(t.Board().Model().Window().BackColor, 0x336699u);
    EXPECT_EQ(t.Profile.TableBack, 4) << "the choice is kept with the player's preferences";

    Step(KeyUp);
    EXPECT_EQ(t.Profile.BackIdx, 3);
    EXPECT_EQ(At(0, 0), QColor(Qt::red));
    EXPECT_EQ(t.Box.Texts.size(), 1u) << "the explanation shows once a run";
}

TEST_F(BackgroundsTest, APictureGoneFromTheFolderLeavesThePlainTable) {
    Step(KeyUp);
    ASSERT_EQ(t.Profile.BackIdx, 4);
    Step(KeyUp);
    ASSERT_FALSE(t.TableShown().isNull());
    fs::remove(t.BackgroundsFolder() / "Tile_quads.bmp");
    t.Board().BackgroundPaint();
    EXPECT_TRUE(t.TableShown().isNull());
    EXPECT_EQ(t.Box.Texts.size(), 1u) << "no message";
}

TEST_F(BackgroundsTest, AddingAPictureCopiesItAndShowsIt) {
    const fs::path outside = t.Root() / "elsewhere";
    WriteQuadrants(outside / "wide.bmp", {8, 8});
    std::ofstream(outside / "notes.jpg") << "just text";
    std::vector<std::optional<std::string>> answers{std::nullopt, (outside / "notes.jpg").string(),
                                                    (outside / "wide.bmp").string(),
                                                    (t.BackgroundsFolder() / "quads.bmp").string()};
    std::vector<FileDialogRequest> asked;
    t.Looks().TableBackgrounds().SetFileDialog([&](const FileDialogRequest& request) {
        asked.push_back(request);
        auto answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    });
    const auto before = t.Profile.BackList;

    t.Looks().AddBackground();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Title, "Add Background Picture");
    EXPECT_EQ(asked[0].Filter, "Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp");
    EXPECT_EQ(fs::path(asked[0].InitDir), t.BackgroundsFolder());
    EXPECT_EQ(t.Profile.BackIdx, 0) << "a cancelled dialog changes nothing";
    EXPECT_TRUE(t.Box.Texts.empty());

    t.Looks().AddBackground();
    ASSERT_EQ(t.Box.Texts.size(), 1u);
    EXPECT_EQ(t.Box.Texts[0], "Here's the problem:\r\nError 481\r\n: Invalid picture");
    EXPECT_FALSE(fs::exists(t.BackgroundsFolder() / "notes.jpg"));
    EXPECT_EQ(t.Profile.BackList, before);
    EXPECT_EQ(t.Profile.BackIdx, 0);

    t.Looks().AddBackground();
    EXPECT_TRUE(fs::exists(t.BackgroundsFolder() / "wide.bmp"));
    EXPECT_EQ(t.Profile.BackCount, 4);
    EXPECT_EQ(t.Profile.BackIdx, t.IndexOf("wide.bmp"));
    EXPECT_EQ(At(10, 10), QColor(Qt::red));
    EXPECT_EQ(AtFar(10, 10), QColor(Qt::yellow)) << "stretched";

    t.Looks().AddBackground();
    EXPECT_EQ(t.Profile.BackCount, 4) << "a picture already in the folder is shown, not copied";
    EXPECT_EQ(t.Profile.BackIdx, t.IndexOf("quads.bmp"));
    EXPECT_EQ(t.Box.Texts.size(), 2u) << "only the explanation of the first step came since";
}

// The default backgrounds on the board, saved for review.
TEST(BackgroundShots, EveryDefaultBackgroundAndAStretchedOne) {
    LooksTable t;
    WriteQuadrants(t.BackgroundsFolder() / "quads.bmp", {4, 4});
    t.ReadBacks();
    t.Window->Deal();
    QWidget& window = t.Window->Window();
    window.show();
    for (int16_t i = 1; i <= t.Profile.BackCount; ++i) {
        t.Profile.BackIdx = i;
        t.Board().BackgroundPaint();
        const std::string name = t.Profile.BackList[static_cast<size_t>(i - 1)];
        EXPECT_FALSE(t.TableShown().isNull()) << name;
        EXPECT_TRUE(SaveForReview(window.grab().toImage(), QString::fromStdString("background-" + name)));
    }
    for (const char* used : {"tile_wood.jpg", "tile_metal2.gif", "tile_planks.gif"})
        EXPECT_NE(t.IndexOf(used), 0) << used << " comes with the program folder";
    window.close();
}

} // namespace
} // namespace zarle::test
