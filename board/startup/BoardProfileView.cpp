#include "board/startup/BoardProfileView.h"

#include "rendering/model/VbRound.h"
#include "rendering/cards/clsDLL.h"
#include "platform/dialogs/CommonDialog.h"

#include <QWidget>

namespace zarle {

namespace {

constexpr int HoldWindowDrop = 3200; // twips below the board's top edge

bool IsMessageLine(ControlId control) {
    return control.family == Ctl::Label9;
}

} // namespace

void BoardProfileView::SetCaption(ControlId control, std::string_view text) {
    board_.SetCaption(control, text);
}

void BoardProfileView::SetVisible(ControlId control, bool visible) {
    board_.SetVisible(control, visible);
}

bool BoardProfileView::IsVisible(ControlId control) {
    return board_.Model().Get(control).Visible;
}

// Message lines the layout creates later (the captions of seats 3 and 4) take the same look.
void BoardProfileView::SetForeColor(ControlId control, int32_t color) {
    board_.Model().Edit(control).ForeColor = static_cast<uint32_t>(color);
    if (IsMessageLine(control)) board_.Layout().State().FontColor = static_cast<uint32_t>(color);
    board_.Present();
}

void BoardProfileView::SetFontSize(ControlId control, int points) {
    board_.SetFontSize(control, points);
    if (control == ControlId{Ctl::Label9, 2}) board_.Layout().State().LabelFontSize = points;
}

double BoardProfileView::FontSize(ControlId control) {
    return board_.Model().Get(control).FontSize;
}

int BoardProfileView::LeftTwips(ControlId control) {
    return VbRound(board_.Model().Get(control).Left);
}

int BoardProfileView::BoardTopTwips() {
    return VbRound(board_.Model().Window().Top);
}

int BoardProfileView::BoardHeightTwips() {
    return VbRound(board_.Model().Window().Height);
}

// Where a new player's hidden-cards window goes: under the second hand card.
TwipsPoint BoardProfileView::DefaultHoldWindowPlace() {
    return TwipsPoint{LeftTwips({Ctl::Picture7, 2}), BoardTopTwips() + HoldWindowDrop};
}

void BoardProfileView::SetCardSizePics() {
    board_.SetCardSizePics();
}

void BoardProfileView::LoadCardSkin() {
    board_.LoadCardSkin();
}

void BoardProfileView::GetCardFaces(int style) {
    clsDLL(pictures_).GetCardFaces(style);
}

void BoardProfileView::SaveCardBitmaps() {
    board_.SaveCardBitmaps();
}

void BoardProfileView::GetCardBacks(int design) {
    clsDLL(pictures_).GetCardBacks(design);
    board_.Present();
    surface_.PicturesChanged();
}

int BoardProfileView::GetBacksQuantity() {
    return clsDLL(pictures_).GetBacksQuantity();
}

// The plain back is a pattern the deck colour shows through, and the piles take the colour from
// the game state when they are drawn.
void BoardProfileView::SetPlainBackColor(int32_t) {}

void BoardProfileView::ApplyTableLook() {
    board_.ApplyTableLook();
}

void BoardProfileView::CreateFrames() {
    OnLayout([](BoardLayout& layout) { layout.CreateFrames(); });
}

void BoardProfileView::ChangeLayout(int prevPlayers, int prevCenters) {
    OnLayout([&](BoardLayout& layout) { layout.ChangeLayout(prevPlayers, prevCenters); });
}

void BoardProfileView::LayoutStandard() {
    OnLayout([](BoardLayout& layout) { layout.LayoutStandard(); });
}

void BoardProfileView::LayoutMulti() {
    OnLayout([this](BoardLayout& layout) { layout.LayoutMulti(game_.NumPlayers); });
}

void BoardProfileView::LayoutCenters() {
    OnLayout([](BoardLayout& layout) { layout.LayoutCenters(); });
}

void BoardProfileView::NameCaptions() {
    OnLayout([](BoardLayout& layout) { layout.NameCaptions(); });
}

void BoardProfileView::GetImgHoldpic() {
    board_.GetImgHoldpic();
}

void BoardProfileView::ScaleAvatar(std::string_view fileName) {
    board_.ScaleAvatar(fileName);
}

void BoardProfileView::BackgroundPaint() {
    board_.BackgroundPaint();
}

void BoardProfileView::ClearBackgroundPicture() {
    board_.ClearPaintedBoard();
}

void BoardProfileView::Redraw() {
    board_.Redraw();
}

// The winner's animation brings the lead personality's built-in frames back itself whenever the
// lead personality wins; nothing else is kept to refresh.
void BoardProfileView::ReloadLeadPersonalityPictures() {}

std::optional<std::string> BoardProfileView::ShowOpen(const FileDialogRequest& request) {
    const QString chosen =
        zarle::ShowOpen(QString::fromStdString(request.Title), QString::fromStdString(request.Filter),
                        QString::fromStdString(request.InitDir), &surface_.Widget());
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

} // namespace zarle
