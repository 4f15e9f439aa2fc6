// Every board after a deal, as the real window draws it: saved as a picture to look at, and
// checked on the widgets: the piles the layout keeps apart do not overlap, and every pile that
// shows has a picture.

#include "tests/support/board/BoardTable.h"
#include "tests/support/PicturesFolder.h"
#include "tests/support/board/PixmapOf.h"

#include <gtest/gtest.h>

namespace zarle::test {
namespace {

struct Board {
    const char* name;
    TableSetting table;
};

const Board Boards[] = {
    {"2-players-3-centers", {2, 3}},
    {"2-players-4-centers", {2, 4}},
    {"2-players-rows-up", {2, 3, 1}},
    {"2-players-small", {2, 3, 2}},
    {"3-players", {3}},
    {"3-players-small", {3, 4, 2}},
    {"4-players", {4}},
    {"4-players-small", {4, 4, 2}},
    {"4-players-wide-screen", {4, 4, 0, 19200}},
};

// Seats 1..4 with their side-pile frames, the centers and the stock.
enum Group { Centers = 5, Stock = 6 };

struct Shown {
    std::string name;
    int group;
    int slot; // of a seat; 0 for the rest
    QRect rect;
    bool pile;
    const QWidget* widget;
};

std::vector<Shown> ShownControls(BoardTable& t) {
    std::vector<Shown> out;
    const auto add = [&](ControlId id, int group, int slot, bool pile) {
        QWidget* w = t.Widget(id);
        if (!w || w->isHidden()) return;
        // A pile is its card; the thin borders around neighbouring cards may touch.
        const Control& c = t.Model(id);
        const QRect rect =
            pile ? QRect(t.CardPlace(id), QSize(qRound(ToPixels(c.Width)), qRound(ToPixels(c.Height))))
                 : w->geometry();
        out.push_back({std::string(ControlName(id.family)) + "(" + std::to_string(id.index) + ")", group,
                       slot, rect, pile, w});
    };
    const Ctl seats[] = {Ctl::Picture7, Ctl::Picture1, Ctl::Picture2, Ctl::Picture3};
    for (int seat = 1; seat <= 4; ++seat) {
        for (int slot = 1; slot <= 10; ++slot) add({seats[seat - 1], slot}, seat, slot, true);
        for (int k = 1; k <= 25; ++k) add({Ctl::Stack, 25 * (seat - 1) + k}, seat, 0, false);
    }
    for (int c = 1; c <= 4; ++c) add({Ctl::PicCenter, c}, Centers, 0, true);
    add({Ctl::PicCenter, 0}, Stock, 0, true);
    return out;
}

bool HandCard(const Shown& s) {
    return s.slot >= 2 && s.slot <= 6;
}

// Within a seat only the frames under the side pile and an opponent's fanned hand in the three- and
// four-player board lie over each other; nothing of one seat overlaps another's.
bool MayOverlap(const Shown& a, const Shown& b, int players) {
    if (a.group != b.group) return false;
    if (!a.pile || !b.pile) return (a.slot <= 1 && b.slot <= 1);
    return players > 2 && a.group >= 2 && a.group <= 4 && HandCard(a) && HandCard(b);
}

TEST(BoardScreenshots, DealtBoardsKeepTheirPilesApartAndShowEveryPile) {
    const QString folder = QString::fromStdString(zarle::testing::PicturesFolder("board-shots").string());
    for (const Board& b : Boards) {
        SCOPED_TRACE(b.name);
        BoardTable t(b.table);
        t.Window->Deal();
        ASSERT_GT(t.Game.StockCount, 0);
        QWidget& window = t.Window->Window();
        window.show();
        const QString file = folder + "/" + b.name + ".png";
        EXPECT_TRUE(window.grab().save(file)) << file.toStdString();

        const std::vector<Shown> shown = ShownControls(t);
        for (size_t i = 0; i < shown.size(); ++i) {
            const Shown& a = shown[i];
            // A hand card a computer seat has played leaves its slot empty, in the empty-slot colour.
            const bool playedOut =
                a.group >= 2 && a.group <= 4 && HandCard(a) && t.Game.Seat(a.group).Slots[a.slot].Value == 0;
            if (a.pile && !playedOut) {
                EXPECT_FALSE(PictureOf(a.widget).isNull()) << a.name << " shows no picture";
            }
            for (size_t j = i + 1; j < shown.size(); ++j) {
                const Shown& c = shown[j];
                if (!MayOverlap(a, c, b.table.Players)) {
                    EXPECT_FALSE(a.rect.intersects(c.rect)) << a.name << " and " << c.name;
                }
            }
        }
        EXPECT_TRUE(t.Box.Texts.empty());
        window.close();
    }
}

} // namespace
} // namespace zarle::test
