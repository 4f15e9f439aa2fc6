#include "board/windows/frmCounter.h"

#include <QPainter>
#include <QRegularExpression>

namespace zarle {

namespace {

constexpr int SuitsPerPack = 4;
constexpr int LinesPerPicture = 2 * SuitsPerPack; // a suit picture covers two packs
constexpr int Ranks = 13;
constexpr int Margin = 8;
constexpr int HeaderGap = 4;
constexpr double RowSpread = 1.3; // rows a little apart: the underscores sit low in their line
constexpr int VkReturn = 13;
constexpr int VkF8 = 119;
const QString Suits[SuitsPerPack] = {QStringLiteral("\u2663"), QStringLiteral("\u2666"),
                                     QStringLiteral("\u2665"), QStringLiteral("\u2660")};

struct GridMeasures {
    int column; // width of a rank's column
    int row;    // distance between lines
    int suit;   // width of the suit symbols' column
};

GridMeasures MeasuresOf(const QFont& font) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(QStringLiteral("10")) + metrics.averageCharWidth(),
            static_cast<int>(metrics.lineSpacing() * RowSpread), metrics.horizontalAdvance(Suits[3]) * 2};
}

// A caption of blank-separated marks shown in columns, every mark centred in its rank's column
// and every line on the row pitch: the grid reads straight down under the header whatever the
// widths of the font's digits, underscores and blanks.
class ColumnLabel final : public Label {
  public:
    ColumnLabel(QWidget* parent, GridMeasures measures) : Label(parent), m_(measures) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(ForeColor());
        const QStringList lines = Caption().split(QRegularExpression("\r?\n"));
        for (int row = 0; row < lines.size(); ++row) {
            const QStringList marks = lines[row].split(u' ', Qt::SkipEmptyParts);
            for (int column = 0; column < marks.size(); ++column)
                painter.drawText(QRect(column * m_.column, row * m_.row, m_.column, m_.row), Qt::AlignCenter,
                                 marks[column]);
        }
    }

  private:
    GridMeasures m_;
};

QFont GridFont() {
    QFont font;
    font.setPointSize(10);
    return font;
}

// The suit symbols of `lines` grid lines, one a line, on the grid's row pitch.
QPixmap SuitColumn(const QFont& font, GridMeasures m, int lines) {
    QPixmap column(m.suit, std::max(1, lines * m.row));
    column.fill(Qt::transparent);
    QPainter painter(&column);
    painter.setFont(font);
    for (int line = 0; line < lines; ++line) {
        const int suit = line % SuitsPerPack;
        painter.setPen(suit == 1 || suit == 2 ? QColor(0xC0, 0, 0) : Qt::black);
        painter.drawText(QRect(0, line * m.row, m.suit, m.row), Qt::AlignCenter, Suits[suit]);
    }
    return column;
}

} // namespace

std::string CounterText(const GameState& game) {
    std::string text;
    int column = 0;
    for (int id = 1; id <= game.DeckSize && id <= MaxDeckSize; ++id) {
        ++column;
        const int16_t seen = game.Deck(2, id);
        const bool wide = column % 10 == 0;
        if (seen != 0)
            text += " " + std::to_string(seen) + (wide ? "  " : " ");
        else
            text += wide ? " _  " : " _ ";
        if (id % 13 == 0) {
            text += "\r\n ";
            column = 0;
        }
    }
    return text;
}

frmCounter::frmCounter(const GameState& game, QWidget* board)
    : Form(board), Label1(new ColumnLabel(this, MeasuresOf(GridFont()))),
      LblGrid(new ColumnLabel(this, MeasuresOf(GridFont()))), Image1("Image1", this), game_(game) {
    setObjectName("frmCounter");
    setWindowTitle("Card Counter");
    setWindowFlag(Qt::Tool);
    SetKeyPreview(true);
    connect(&Events(), &ControlEvents::KeyDown, this, [this](int keyCode, int) { Form_KeyDown(keyCode); });
    Form_Load();
}

// Sized from the grid font's measures rather than scaled afterwards: on a large-fonts screen the
// window comes out just as large as its larger text needs.
void frmCounter::Form_Load() {
    const QFont font = GridFont();
    const GridMeasures m = MeasuresOf(font);
    const int lines = std::clamp<int>(game_.DeckSize / Ranks, SuitsPerPack, MaxPlayers * SuitsPerPack);
    const int gridLeft = Margin + m.suit;
    const int gridTop = Margin + m.row + HeaderGap;
    const int gridW = Ranks * m.column;

    ImageBox& firstPacks = Image1.Load(0);
    firstPacks.SetPicture(SuitColumn(font, m, std::min(lines, LinesPerPicture)));
    firstPacks.move(Margin, gridTop);
    firstPacks.show();
    if (lines > LinesPerPicture) {
        ImageBox& nextPacks = Image1.Load(1);
        nextPacks.SetPicture(SuitColumn(font, m, lines - LinesPerPicture));
        nextPacks.move(Margin, gridTop + LinesPerPicture * m.row);
        nextPacks.show();
    }

    Label1->setFont(font);
    Label1->SetCaption(CounterHeader);
    Label1->setGeometry(gridLeft, Margin, gridW, m.row);
    LblGrid->setObjectName("LblGrid");
    LblGrid->setFont(font);
    LblGrid->setGeometry(gridLeft, gridTop, gridW, lines * m.row);
    setFixedSize(gridLeft + gridW + Margin, gridTop + lines * m.row + Margin);

    OnTopKeeper.SetOnTop(true);
    OnTopKeeper.TopForm(*this);
}

void frmCounter::Form_KeyDown(int keyCode) {
    if (keyCode == VkReturn || keyCode == VkF8) Unload();
}

bool frmCounter::QueryUnload(int) {
    return false;
}

} // namespace zarle
