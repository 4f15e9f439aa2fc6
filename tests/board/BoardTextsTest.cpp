// What the board says can be read: every message line and notice shows its whole caption, and
// nothing covers it or runs into it, at both display sizes and for two to four players.

#include "tests/support/board/BoardTable.h"
#include "platform/controls/Label.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zarle::test {
namespace {

const std::string Crlf = "\r\n";

struct Board {
    const char* name;
    TableSetting table;
};

const Board Boards[] = {
    {"2 players, 3 centers", {2, 3}},  {"2 players, 4 centers", {2, 4}},
    {"2 players, small", {2, 3, 2}},   {"2 players, 4 centers, small", {2, 4, 2}},
    {"2 players, rows up", {2, 3, 1}}, {"3 players", {3}},
    {"3 players, small", {3, 4, 2}},   {"4 players", {4}},
    {"4 players, small", {4, 4, 2}},   {"4 players, wide screen", {4, 4, 0, 19200}},
};

struct Message {
    ControlId line;
    std::string caption;
};

// The game's own captions, the longest each line shows.
std::vector<Message> Messages() {
    return {
        {{Ctl::Label9, 0}, "Opponent" + Crlf + "ALERTED"},
        {{Ctl::Label9, 1}, "It was a tie..." + Crlf + "We flipped for it."},
        {{Ctl::Label9, 2}, Crlf + Crlf + "YOU go first"},
        {{Ctl::LabelPeek, 0}, Crlf + "Opponent is PEEKING!"},
        {{Ctl::LabelPeek, 0}, Crlf + "New Stats Record!"},
        {{Ctl::StatusMsg, 0},
         "Give your IP address to the player(s)" + Crlf + "waiting to connect to your game."},
    };
}

// The height the caption needs at the label's width and font, its frame included.
int NeededHeight(const QLabel& label) {
    const QRect inside = label.contentsRect();
    const int flags = label.wordWrap() ? Qt::TextWordWrap : 0;
    const QRect text =
        label.fontMetrics().boundingRect(QRect(0, 0, inside.width(), 10000), flags, label.text());
    return text.height() + label.height() - inside.height();
}

TEST(BoardTexts, EveryMessageLineShowsItsWholeCaption) {
    for (const Board& b : Boards) {
        BoardTable t(b.table);
        t.Window->Deal();
        for (const Message& m : Messages()) {
            SCOPED_TRACE(std::string(b.name) + ": " + ControlName(m.line.family) + " " + m.caption);
            t.Board().SetCaption(m.line, m.caption);
            t.Board().SetVisible(m.line, true);
            const auto* label = qobject_cast<const QLabel*>(t.Widget(m.line));
            ASSERT_NE(label, nullptr);
            EXPECT_GE(label->height(), NeededHeight(*label));
        }
    }
}

// Whether `above` is painted over `below`: later siblings lie in front.
bool InFront(const QWidget* above, const QWidget* below) {
    const QObjectList& order = above->parentWidget()->children();
    return order.indexOf(const_cast<QWidget*>(above)) > order.indexOf(const_cast<QWidget*>(below));
}

TEST(BoardTexts, TheNetworkStatusLiesInFrontClearOfTheDealButtonAndInsideTheWindow) {
    const std::string gameInfo = "Number of players is 4" + Crlf +
                                 "To change number of players or centers, go to Player Setup." + Crlf +
                                 "Press F2 or choose New to start the game.";
    for (const Board& b : Boards) {
        SCOPED_TRACE(b.name);
        BoardTable t(b.table);
        t.Board().SetVisible({Ctl::Command2, 0}, true);
        t.Board().SetCaption({Ctl::StatusMsg, 0}, gameInfo);
        t.Board().SetVisible({Ctl::StatusMsg, 0}, true);
        const QWidget* status = t.Widget({Ctl::StatusMsg, 0});
        const QWidget* deal = t.Widget({Ctl::Command2, 0});
        EXPECT_FALSE(status->geometry().intersects(deal->geometry()));
        EXPECT_TRUE(t.Window->Window().rect().contains(status->geometry())) << "inside the window";
        for (const QObject* child : status->parentWidget()->children()) {
            const auto* other = qobject_cast<const QWidget*>(child);
            if (!other || other == status || other->isHidden() ||
                !other->geometry().intersects(status->geometry()))
                continue;
            EXPECT_TRUE(InFront(status, other)) << other->objectName().toStdString() << " covers it";
        }
    }
}

// Where a label's caption is drawn on the window.
QRect CaptionRect(const Label& label) {
    const QRect text = label.CaptionRect();
    return QRect(label.mapTo(label.window(), text.topLeft()), text.size());
}

const Label& LabelOf(BoardTable& t, ControlId id) {
    return *dynamic_cast<const Label*>(t.Widget(id));
}

// The piles that lie over a place of the window.
std::vector<const QWidget*> CardsOver(BoardTable& t, const QRect& place) {
    std::vector<const QWidget*> over;
    for (const Ctl seat : {Ctl::Picture7, Ctl::Picture1, Ctl::Picture2, Ctl::Picture3})
        for (int slot = 1; slot <= 10; ++slot)
            if (const QWidget* card = t.Widget({seat, slot});
                card && !card->isHidden() && card->geometry().intersects(place))
                over.push_back(card);
    return over;
}

std::string CardName(const QWidget* card) {
    return card->objectName().toStdString();
}

TEST(BoardTexts, TagsAndNamesKeepClearOfTheBoxCaptions) {
    for (const Board& b : Boards) {
        SCOPED_TRACE(b.name);
        BoardTable t(b.table);
        // A King on every center shows every center's tag.
        for (int c = 1; c <= t.Game.NumCenters; ++c) {
            t.Game.CenterCount[c] = 12;
            for (int k = 1; k <= 11; ++k) t.Game.CenterCards[c][k] = CardOfId(k);
            t.Game.CenterCards[c][12] = CardOfId(13);
        }
        t.Board().Redraw();
        const QRect centers = CaptionRect(LabelOf(t, {Ctl::Label10, 0}));
        for (int c = 1; c <= t.Game.NumCenters; ++c) {
            const QWidget* tag = t.Widget({Ctl::LblWild, c});
            ASSERT_FALSE(tag->isHidden());
            EXPECT_FALSE(tag->geometry().intersects(centers))
                << "the tag of center " << c << " on \"Centers\"";
        }
        const QImage window = t.Window->Window().grab().toImage();
        for (int seat = 2; seat <= t.Game.NumPlayers; ++seat) {
            const QRect name = CaptionRect(LabelOf(t, {Ctl::Label9, seat + 2}));
            const QRect hold = CaptionRect(LabelOf(t, {Ctl::Label3, seat - 1}));
            EXPECT_FALSE(name.intersects(hold)) << "seat " << seat << "'s name on its \"HOLD piles\"";
            for (const QWidget* card : CardsOver(t, hold))
                ADD_FAILURE() << CardName(card) << " on seat " << seat << "'s \"HOLD piles\"";
            // A name standing on its box's top edge: the edge leaves off under it.
            const QWidget* box = t.Widget({Ctl::Label3, seat - 1});
            if (!name.intersects(QRect(box->x(), box->y(), box->width(), 1))) continue;
            const QRgb edge = window.pixel(box->geometry().right() - 8, box->y());
            for (int x = std::max(name.left(), box->x()); x <= name.right(); ++x)
                if (window.pixel(x, box->y()) == edge) {
                    ADD_FAILURE() << "seat " << seat << "'s box edge runs through its name at x " << x;
                    break;
                }
        }
    }
}

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double Luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// A pixel of the letters: at most this far from their colour in each channel, so that the thin
// strokes of a small font count whole.
bool Near(QRgb a, QRgb b) {
    constexpr int InkSpread = 64;
    return std::abs(qRed(a) - qRed(b)) <= InkSpread && std::abs(qGreen(a) - qGreen(b)) <= InkSpread &&
           std::abs(qBlue(a) - qBlue(b)) <= InkSpread;
}

// The contrast between a caption's letters and what lies right around them on the window. At each
// edge of a letter the two pixels beyond it are looked at (the first may be a blend of the letter
// and its ground), and the one that stands out from the letter more is the letter's ground there;
// the median over all edges is the caption's.
double CaptionContrast(const QImage& window, const Label& label) {
    const QRgb ink = label.palette().color(QPalette::WindowText).rgb();
    const double inkLuminance = Luminance(ink);
    const QRect area = CaptionRect(label).intersected(window.rect());
    std::vector<double> grounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!Near(window.pixel(x, y), ink)) continue;
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint next = QPoint(x, y) + step;
                const QPoint beyond = next + step;
                if (!window.rect().contains(beyond) || Near(window.pixel(next), ink)) continue;
                const double a = Luminance(window.pixel(next));
                const double b = Luminance(window.pixel(beyond));
                grounds.push_back(Contrast(inkLuminance, a) > Contrast(inkLuminance, b) ? a : b);
            }
        }

    if (grounds.empty()) return 0;
    std::nth_element(grounds.begin(), grounds.begin() + grounds.size() / 2, grounds.end());
    return Contrast(inkLuminance, grounds[grounds.size() / 2]);
}

// The table backgrounds the game ships, each as the player chooses it, and the plain table colour.
std::vector<std::string> ShipBackgrounds(BoardTable& t) {
    const QDir shipped(QStringLiteral(ZARLE_SHIPPED_BACKGROUNDS));
    QDir().mkpath(t.Folder.filePath("backgrounds"));
    std::vector<std::string> names;
    for (const QString& file : shipped.entryList(QDir::Files, QDir::Name)) {
        QFile::copy(shipped.filePath(file), t.Folder.filePath("backgrounds/" + file));
        names.push_back(file.toStdString());
    }
    t.Profile.BackList = names;
    t.Profile.BackCount = static_cast<int16_t>(names.size());
    return names;
}

TEST(BoardTexts, EveryCaptionOnTheTableReadsOnEveryShippedBackground) {
    BoardTable t({3});
    std::vector<std::string> backgrounds = ShipBackgrounds(t);
    ASSERT_GE(backgrounds.size(), 5u);
    backgrounds.push_back("the plain table colour");
    BoardPresenter& board = t.Board();
    for (const Message& m : Messages()) {
        if (m.line.family == Ctl::StatusMsg) continue; // a box of its own
        board.SetCaption(m.line, m.caption);
        board.SetVisible(m.line, true);
    }
    board.SetCaption({Ctl::Label9, 3}, "Tester");
    const ControlId captions[] = {{Ctl::Label9, 0}, {Ctl::Label9, 1}, {Ctl::Label9, 2},    {Ctl::Label9, 3},
                                  {Ctl::Label9, 4}, {Ctl::Label9, 5}, {Ctl::LabelPeek, 0}, {Ctl::Label10, 0},
                                  {Ctl::Label3, 0}, {Ctl::Label3, 1}};
    for (size_t i = 0; i < backgrounds.size(); ++i) {
        t.Profile.BackIdx = static_cast<int16_t>(i + 1);
        if (i < static_cast<size_t>(t.Profile.BackCount))
            board.BackgroundPaint();
        else
            board.ClearPaintedBoard();
        const QImage window = t.Window->Window().grab().toImage();
        for (const ControlId id : captions) {
            const double contrast = CaptionContrast(window, LabelOf(t, id));
            EXPECT_GE(contrast, 4.5) << ControlName(id.family) << "(" << id.index << ") on "
                                     << backgrounds[i];
        }
    }
}

} // namespace
} // namespace zarle::test
