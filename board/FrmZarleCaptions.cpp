// Where the board's captions lie: a label shows its whole caption, a King's tag hugs its value,
// a "HOLD piles" box keeps room above its cards, and an opponent's name on a box's edge keeps
// the box's caption clear of it.

#include "board/FrmZarle.h"

#include "platform/controls/Label.h"

#include <algorithm>

namespace zarle {

namespace {

// The band the layout leaves between a hold box's top and its cards, and the gap the caption keeps
// above the cards.
constexpr int HoldCaptionBandPx = 4;
constexpr int CaptionGap = 1;
// Room on either side of a King's value in its tag.
constexpr int TagPadding = 1;
// The opponents' name lines, and the room a box's caption keeps after a name.
constexpr int FirstNameLine = 4;
constexpr int LastNameLine = 6;
constexpr int NameGap = 6;

} // namespace

// A caption is never cut off: a label too low for its text at its font grows downward to it, and
// one that takes the size of its text stays inside the window.
void FrmZarle::PlaceLabel(ControlId id) {
    auto* label = dynamic_cast<Label*>(arrays_.At(id));
    const auto box = labelBoxes_.find(ControlKey(id));
    if (!label || box == labelBoxes_.end()) return;
    const QRect& given = box->second;
    if (label->AutoSize()) {
        label->move(std::max(0, std::min(given.left(), width() - label->width())), given.top());
        return;
    }
    // A King's tag is as narrow as its value, at the right end of the place it is given.
    if (id.family == Ctl::LblWild) {
        const int tagWidth = label->sizeHint().width() + 2 * TagPadding;
        label->setGeometry(given.right() + 1 - tagWidth, given.top(), tagWidth, given.height());
        return;
    }
    label->setGeometry(
        given.adjusted(0, 0, 0, std::max(0, label->CaptionHeight(given.width()) - given.height())));
    if (id.family == Ctl::Label9) IndentBoxCaptions();
}

// A "HOLD piles" box leaves its caption a thin band above the cards it holds: the box grows
// upward by what the caption's line needs beyond it, at any card size and font size.
void FrmZarle::PlaceHoldBox(QWidget& box, const QRect& bounds) {
    const int frame = static_cast<const QFrame&>(box).frameWidth();
    const int room = std::max(0, box.fontMetrics().height() + frame + CaptionGap - HoldCaptionBandPx);
    box.setGeometry(bounds.adjusted(0, -room, 0, 0));
    IndentPastNames(static_cast<Label&>(box));
}

// An opponent's name that stands on a box's top edge (the three- and four-player board) pushes
// the box's caption to the right of it.
void FrmZarle::IndentPastNames(Label& box) {
    const QRect captionLine(box.pos(), QSize(box.width(), box.frameWidth() + box.fontMetrics().height()));
    const int captionLeft = box.x() + box.CaptionRect().left() - box.CaptionOffset();
    int indent = 0;
    for (int line = FirstNameLine; line <= LastNameLine; ++line) {
        const auto* name = dynamic_cast<const Label*>(arrays_.At({Ctl::Label9, line}));
        if (!name || name->isHidden() || name->text().isEmpty()) continue;
        const QRect onBoard = name->CaptionRect().translated(name->pos());
        if (onBoard.intersects(captionLine))
            indent = std::max(indent, onBoard.right() + 1 + NameGap - captionLeft);
    }
    box.SetCaptionOffset(indent);
}

void FrmZarle::IndentBoxCaptions() {
    for (const auto& [index, bounds] : holdBoxes_)
        if (auto* box = dynamic_cast<Label*>(arrays_.At({Ctl::Label3, index}))) IndentPastNames(*box);
}

} // namespace zarle
