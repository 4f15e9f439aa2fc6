// A seat's ten slots drawn from the game state, and the table's look: the empty piles, backs and
// the menu strip of a skin.

#include "tests/support/board/BoardTable.h"
#include "rendering/cards/CardArtPaths.h"
#include "tests/support/board/PixmapOf.h"
#include "engine/SeatPictures.h"

#include <gtest/gtest.h>

#include <array>

namespace zarle::test {
namespace {

constexpr const char* Hidden = nullptr;
constexpr uint32_t DeckColor = 0x2040C0;

// The slots every case deals: side pile, a hand with slot 4 played out, one hold pile in use.
constexpr std::array<int, 11> SlotIds{0, 14, 2, 68, 0, 26, 43, 5, 0, 0, 0};

struct SeatCase {
    const char* name;
    int players;
    Pics pics;
    int cardStyle;
    int backDesign;
    bool peekOn;
    std::array<const char*, 11> keys; // slot 1..10; Hidden: not shown
    int sideBorder, handBorder;
};

const SeatCase SeatCases[] = {
    {"the human's hand face up",
     3,
     Pics::Picture7,
     6,
     0,
     false,
     {"", "face:14", "face:2", "face:16", Hidden, "face:26", "face:43", "face:5", "empty:large",
      "empty:large", "empty:large"},
     0,
     0},
    {"an opponent's hand as backs",
     3,
     Pics::Picture2,
     6,
     3,
     false,
     {"", "smallface:14", "back:small", "back:small", Hidden, "back:small", "back:small", "smallface:5",
      "empty:small", "empty:small", "empty:small"},
     0,
     0},
    {"an opponent's hand face up while peeking",
     3,
     Pics::Picture2,
     2,
     3,
     true,
     {"", "smallrank:1", "smallrank:2", "smallrank:3", Hidden, "smallrank:13", "smallrank:4", "smallrank:5",
      "empty:small", "empty:small", "empty:small"},
     1,
     1},
    {"the plain back has an outline",
     2,
     Pics::Picture1,
     6,
     0,
     false,
     {"", "face:14", "back:large", "back:large", Hidden, "back:large", "back:large", "face:5", "empty:large",
      "empty:large", "empty:large"},
     0,
     1},
};

TEST(SeatSlots, EachSlotShowsItsCardBackOrEmptyPile) {
    for (const SeatCase& c : SeatCases) {
        SCOPED_TRACE(c.name);
        BoardTable t(TableSetting{c.players, 4});
        t.Game.CardStyle = static_cast<int16_t>(c.cardStyle);
        t.Profile.BackDesign = static_cast<int16_t>(c.backDesign);
        t.Game.DeckColor = DeckColor;
        t.Game.PeekOn = c.peekOn;
        t.Game.PTurn = 2;
        t.Board().ApplyCardLook();
        SlotRow& row = c.pics == Pics::Picture7 ? t.Game.PlayerCards
                                                : t.Game.Seat(c.pics == Pics::Picture1 ? 2 : 3).Slots;
        for (int k = 1; k <= 10; ++k) {
            row[k] = SlotIds[k] ? CardOfId(SlotIds[k]) : CardRec{};
            t.Board().SetVisible(PicControl(c.pics, k), true);
        }

        t.Board().RefreshPileBorders(c.pics);

        for (int k = 1; k <= 10; ++k) {
            SCOPED_TRACE(testing::Message() << "slot " << k);
            const Control& slot = t.Model(PicControl(c.pics, k));
            QWidget* w = t.Widget(PicControl(c.pics, k));
            ASSERT_NE(w, nullptr);
            if (c.keys[k] == Hidden) {
                EXPECT_TRUE(w->isHidden());
                continue;
            }
            EXPECT_FALSE(w->isHidden());
            EXPECT_EQ(slot.Picture, c.keys[k]);
            const int border = k == 1 ? c.sideBorder : k <= 6 ? c.handBorder : 1;
            EXPECT_EQ(slot.BorderStyle, border);
        }
        if (c.handBorder == 1 && c.backDesign == 0) {
            EXPECT_EQ(t.Model(PicControl(c.pics, 2)).BackColor, DeckColor);
        }
    }
}

TEST(TableLook, EmptyPilesAndBacksFollowTheSkin) {
    for (const int skin : {0, 1}) {
        SCOPED_TRACE(skin);
        BoardTable t;
        t.Profile.BackgroundIdx = static_cast<int16_t>(skin);
        t.Game.DeckColor = DeckColor;
        t.Board().ApplyCardLook();

        for (int c = 0; c <= 3; ++c) EXPECT_EQ(t.Model({Ctl::PicCenter, c}).BackColor, DeckColor) << c;
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(t.Model({Ctl::PicCenter, c}).Picture, "empty:large");
            EXPECT_TRUE(
                SamePixels(PictureOf(t.Widget({Ctl::PicCenter, c})), t.Window->Pictures().BackPicA()));
        }
        for (const Pics seat : {Pics::Picture7, Pics::Picture1}) {
            EXPECT_EQ(t.Model(PicControl(seat, 1)).Picture, "back:large");
            for (int slot = 7; slot <= 10; ++slot)
                EXPECT_EQ(t.Model(PicControl(seat, slot)).Picture, "empty:large");
        }
        const QImage& wantEmpty =
            skin == 1 ? t.Window->Pictures().ImgEmpty2() : t.Window->Pictures().ImgEmpty3();
        EXPECT_TRUE(SamePixels(t.Window->Pictures().BackPicA(), wantEmpty));

        // The rules and level captions end the skin's margin short of the menu strip's right edge.
        EXPECT_EQ(t.Model({Ctl::picPanel, 0}).Picture, art::MenuBanner(skin));
        const Control& panel = t.Model({Ctl::picPanel, 0});
        const double margin = ToTwips(skin == 1 ? 5 : 8);
        for (const Ctl caption : {Ctl::lblLevel, Ctl::lblRules}) {
            const Control& label = t.Model({caption, 0});
            EXPECT_DOUBLE_EQ(label.Left + label.Width, panel.Left + panel.Width - margin)
                << ControlName(caption);
        }
    }
}

} // namespace
} // namespace zarle::test
