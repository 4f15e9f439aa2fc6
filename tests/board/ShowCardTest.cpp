// ShowCard on the real window's piles: each kind of picture lands on the widget from the card
// banks, with the border and back colour it needs; and settings or cards it cannot draw.

#include "tests/support/board/BoardTable.h"
#include "tests/support/board/PixmapOf.h"
#include "engine/SeatPictures.h"

#include <gtest/gtest.h>

#include <optional>

namespace zarle::test {
namespace {

constexpr uint32_t White = 0xFFFFFF;

struct ShowCase {
    const char* name;
    TableSetting table;
    int cardStyle;
    int backDesign;
    Pics pics;
    int index;
    int card;
    int mode;
    const char* key;
    QSize size;
    std::optional<int> border;    // set by the drawing; nothing: left as it was
    std::optional<uint32_t> back; // 0xFFFFFFFF stands for the deck colour
};

constexpr uint32_t DeckColorMark = 0xFFFFFFFF;

const ShowCase ShowCases[] = {
    {"large face", {2}, 6, 0, Pics::Picture7, 2, 14, 0, "face:14", {71, 96}, {}, {}},
    {"a second pack folds onto the first", {2}, 6, 0, Pics::Picture1, 3, 66, 0, "face:14", {71, 96}, {}, {}},
    {"small face on a seat panel", {3}, 6, 0, Pics::Picture2, 7, 13, 0, "smallface:13", {59, 80}, {}, {}},
    {"component sheet", {2}, 8, 0, Pics::PicCenter, 2, 52, 0, "face:52", {71, 96}, {}, {}},
    {"rank picture", {2}, 3, 0, Pics::Picture7, 3, 26, 0, "rank:13", {71, 96}, 1, White},
    {"small rank picture", {4}, 2, 0, Pics::Picture3, 8, 1, 0, "smallrank:1", {59, 80}, 1, White},
    {"plain back", {2}, 6, 0, Pics::Picture1, 2, 0, 0, "back:large", {71, 96}, 1, DeckColorMark},
    {"design back on a seat panel", {3}, 6, 3, Pics::Picture2, 2, 0, 0, "back:small", {59, 80}, {}, {}},
    {"empty pile", {2}, 6, 0, Pics::PicCenter, 1, 0, 88, "empty:large", {71, 96}, {}, {}},
    {"small empty pile", {4}, 6, 0, Pics::Picture2, 9, 0, 88, "empty:small", {59, 80}, {}, {}},
    {"a style the program lacks draws the built-in sheet",
     {2},
     42,
     0,
     Pics::Picture7,
     4,
     40,
     0,
     "face:40",
     {71, 96},
     {},
     {}},
    {"a design the component lacks draws the plain back",
     {2},
     6,
     99,
     Pics::Picture1,
     4,
     0,
     0,
     "back:large",
     {71, 96},
     1,
     DeckColorMark},
};

TEST(ShowCard, PutsEachKindOfPictureOnTheWidget) {
    for (const ShowCase& c : ShowCases) {
        SCOPED_TRACE(c.name);
        BoardTable t(c.table);
        t.Game.CardStyle = static_cast<int16_t>(c.cardStyle);
        t.Profile.BackDesign = static_cast<int16_t>(c.backDesign);
        t.Board().ApplyCardLook();
        const ControlId id = PicControl(c.pics, c.index);
        const int borderBefore = t.Model(id).BorderStyle;
        const uint32_t backBefore = t.Model(id).BackColor;

        t.Board().ShowCard(c.pics, c.index, c.card, c.mode);

        EXPECT_EQ(t.Model(id).Picture, c.key);
        QWidget* w = t.Widget(id);
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isHidden());
        const QImage shown = PictureOf(w);
        EXPECT_EQ(shown.size(), c.size);
        EXPECT_TRUE(SamePixels(shown, t.Window->Pictures().Picture(c.key)));
        EXPECT_EQ(t.Model(id).BorderStyle, c.border.value_or(borderBefore));
        const uint32_t back = c.back == DeckColorMark ? t.Game.DeckColor : c.back.value_or(backBefore);
        EXPECT_EQ(t.Model(id).BackColor, back);
        EXPECT_TRUE(t.Box.Texts.empty());
    }
}

TEST(ShowCard, PlaysTheCardSoundOfItsModeUnlessSoundsAreOff) {
    BoardTable t;
    t.Board().ShowCard(Pics::Picture7, 2, 5, 3);
    t.Board().ShowCard(Pics::Picture7, 2, 5, 0);
    t.Board().ShowCard(Pics::Picture7, 2, 0, 88);
    t.Game.SoundLevel = 2;
    t.Board().ShowCard(Pics::Picture7, 2, 5, 1);
    EXPECT_EQ(t.Sound.CardEffects, std::vector<int>{3});
}

TEST(ShowCard, ACardItCannotDrawIsReportedAndLeavesThePileAsItWas) {
    struct Bad {
        const char* name;
        Pics pics;
        int index;
        int card;
        const char* error;
    };
    const Bad bads[] = {
        {"a negative id", Pics::Picture7, 2, -3, "Error  380"},
        {"a seat that is not at the table", Pics::Picture2, 7, 5, "Error  340"},
    };
    for (const Bad& bad : bads) {
        SCOPED_TRACE(bad.name);
        BoardTable t;
        const ControlId id = PicControl(bad.pics, bad.index);
        const std::string before = t.Model(id).Picture;
        t.Board().ShowCard(bad.pics, bad.index, bad.card, 1);
        ASSERT_EQ(t.Box.Texts.size(), 1u);
        EXPECT_EQ(t.Box.Texts[0].rfind("Houston, we have a problem:", 0), 0u);
        EXPECT_NE(t.Box.Texts[0].find(bad.error), std::string::npos) << t.Box.Texts[0];
        EXPECT_EQ(t.Model(id).Picture, before);
        EXPECT_TRUE(t.Sound.CardEffects.empty());
    }
}

TEST(ShowCard, AFaceStyleChosenLaterRedrawsThePilesThatShowIt) {
    BoardTable t;
    t.Board().ShowCard(Pics::Picture7, 2, 1, 0);
    const QImage before = PictureOf(t.Widget({Ctl::Picture7, 2}));
    t.Game.CardStyle = 7;
    t.Board().ApplyCardLook();
    const QImage after = PictureOf(t.Widget({Ctl::Picture7, 2}));
    EXPECT_EQ(t.Model({Ctl::Picture7, 2}).Picture, "face:1");
    EXPECT_FALSE(SamePixels(before, after));
    EXPECT_TRUE(SamePixels(after, t.Window->Pictures().Picture("face:1")));
}

} // namespace
} // namespace zarle::test
