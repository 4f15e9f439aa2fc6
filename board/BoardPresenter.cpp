#include "board/BoardPresenter.h"

#include "rendering/model/BoardDesign.h"
#include "rendering/cards/CardArtPaths.h"
#include "engine/SeatPictures.h"
#include "rendering/model/VbRound.h"
#include "base/text/VbText.h"
#include "board/flash/WinnerFlash.h"

#include <QImageReader>
#include <QWidget>

#include <algorithm>

namespace zarle {

namespace {

constexpr int32_t NarrowScreenTwips = 9600;
constexpr int WildPanelHuman = 4;
constexpr int WildPanelOpponent = 8;

std::string WildText(int32_t screenTwips, int side, int hand) {
    return std::string(screenTwips > NarrowScreenTwips ? "Wild: " : "") + Str(side) + "/" + Str(hand);
}

} // namespace

BoardPresenter::BoardPresenter(GameState& game, ProfileState& profile, CardPictureBank& pictures,
                               BoardSurface& surface, BoardServices services)
    : game_(game), profile_(profile), pictures_(pictures), surface_(surface), services_(services),
      layout_(model_, game_, profile_, *this),
      flash_(std::make_unique<WinnerFlash>(game_, *this, surface_, services_.Waiter)) {
    LoadDesignBoard(model_);
    ShowFixedPicture(Ctl::ImgTurn1, art::TurnMarker(1));
    ShowFixedPicture(Ctl::ImgTurn2, art::TurnMarker(2));
    ShowFixedPicture(Ctl::imgSlap, art::Slap);
    surface_.SetEvents(this);
}

BoardPresenter::~BoardPresenter() {
    surface_.SetEvents(nullptr);
}

// Pictures that never change take their own size, as an image without stretching does.
void BoardPresenter::ShowFixedPicture(Ctl image, const std::string& key) {
    Control& c = model_.Edit(image);
    c.Picture = key;
    if (const auto size = PictureFileSize(key)) {
        c.Width = ToTwips(size->Width);
        c.Height = ToTwips(size->Height);
    }
}

void BoardPresenter::Present() {
    if (presenting_) {
        // The window answered with a resize whose layout changed the model again.
        presentAgain_ = true;
        return;
    }
    presenting_ = true;
    do {
        presentAgain_ = false;
        binding_.Apply(model_, surface_);
    } while (presentAgain_);
    presenting_ = false;
    if (!refreshes_.empty()) {
        const std::vector<ControlId> painting = std::move(refreshes_);
        refreshes_.clear();
        surface_.RepaintNow(painting);
    }
}

void BoardPresenter::SurfaceResized(const SurfaceFrame& frame) {
    if (game_.StartingUp) return;
    Batch batch(*this);
    layout_.Form_Resize(WindowFrame{frame.Left, frame.Top, frame.Width, frame.Height,
                                    static_cast<WindowState>(frame.State), frame.InnerWidthPx,
                                    frame.InnerHeightPx});
    binding_.AcceptWindow(model_.Window());
}

// The board keeps where its window stands, so that a later fit of the window to a new board leaves
// it there.
void BoardPresenter::SurfaceMoved(const SurfaceFrame& frame) {
    if (game_.StartingUp || frame.State != static_cast<int>(WindowState::Normal)) return;
    BoardWindow& w = model_.EditWindow();
    w.Left = frame.Left;
    w.Top = frame.Top;
    binding_.AcceptWindow(model_.Window());
}

void BoardPresenter::SetCaption(ControlId control, std::string_view text) {
    Batch batch(*this);
    model_.Edit(control).Caption = std::string(text);
}

void BoardPresenter::SetVisible(ControlId control, bool visible) {
    Batch batch(*this);
    model_.Edit(control).Visible = visible;
}

void BoardPresenter::SetEnabled(ControlId control, bool enabled) {
    Batch batch(*this);
    model_.Edit(control).Enabled = enabled;
}

void BoardPresenter::SetBackColor(ControlId control, uint32_t color) {
    Batch batch(*this);
    model_.Edit(control).BackColor = color;
}

void BoardPresenter::SetToolTip(ControlId control, std::string_view text) {
    Batch batch(*this);
    model_.Edit(control).ToolTip = std::string(text);
}

void BoardPresenter::SetBorderStyle(ControlId control, int style) {
    Batch batch(*this);
    model_.Edit(control).BorderStyle = style;
}

void BoardPresenter::SetFontSize(ControlId control, int points) {
    Batch batch(*this);
    model_.Edit(control).FontSize = points;
}

int BoardPresenter::FontSize(ControlId control) {
    return VbRound(model_.Get(control).FontSize);
}

void BoardPresenter::ClearPicture(ControlId control) {
    Batch batch(*this);
    model_.Edit(control).Picture.clear();
}

// Painted at once, together with the other controls refreshed in the same call.
void BoardPresenter::Refresh(ControlId control) {
    Batch batch(*this);
    refreshes_.push_back(control);
}

void BoardPresenter::BringToFront(ControlId control) {
    Batch batch(*this);
    model_.BringToFront(control.family, control.index);
}

void BoardPresenter::MoveTo(ControlId control, int left, int top) {
    Batch batch(*this);
    Control& c = model_.Edit(control);
    c.Left = ToTwips(left);
    c.Top = ToTwips(top);
}

void BoardPresenter::SetPanelText(int panel, std::string_view text) {
    surface_.SetPanelText(panel, std::string(text));
}

void BoardPresenter::SetPanelToolTip(int panel, std::string_view text) {
    surface_.SetPanelToolTip(panel, std::string(text));
}

void BoardPresenter::Redraw() {
    Batch batch(*this);
    layout_.Redraw();
}

void BoardPresenter::RefreshBoard() {
    Present();
    surface_.Widget().repaint();
}

void BoardPresenter::WildUpdate() {
    SetPanelText(WildPanelHuman, WildText(game_.ScreenTwips, game_.WildSide, game_.WildHand));
    SetPanelText(WildPanelOpponent, WildText(game_.ScreenTwips, game_.WorkWildSide, game_.WorkWildHand));
}

// Only the human's slots that hold a card can be picked up.
void BoardPresenter::EnablePic(Pics pics, bool enable, int first, int last) {
    Batch batch(*this);
    for (int i = std::max(first, 0); i <= std::min(last, SlotCount); ++i) {
        const ControlId id = PicControl(pics, i);
        if (model_.IsLoaded(id.family, i))
            model_.Edit(id).Enabled = enable && game_.PlayerCards[i].Value != 0;
    }
}

void BoardPresenter::LayoutValues() {
    Batch batch(*this);
    layout_.LayoutValues();
}

void BoardPresenter::LayoutPlayer() {
    Batch batch(*this);
    layout_.LayoutPlayer();
}

void BoardPresenter::GetImgHoldpic() {
    Batch batch(*this);
    layout_.GetImgHoldpic();
}

// A slap belongs to the face it was given to: another picture on the avatar takes it away.
void BoardPresenter::ScaleAvatar(std::string_view fileName) {
    Batch batch(*this);
    layout_.ScaleAvatar(fileName);
    SetVisible({Ctl::imgSlap, 0}, false);
}

void BoardPresenter::ShowFrames(bool visible) {
    Batch batch(*this);
    layout_.ShowFrames(visible);
}

void BoardPresenter::DebugShowDeck() {
    if (showDeck_) showDeck_();
}

void BoardPresenter::CounterUpdate() {
    if (counterUpdate_) counterUpdate_();
}

void BoardPresenter::AnimateCardsFlow(int variant) {
    if (cardsFlow_) cardsFlow_(variant);
}

void BoardPresenter::Flash(int winner) {
    flash_->Flash(winner);
}

bool BoardPresenter::IsFormLoaded(std::string_view formName) {
    return formName == "frmZarle" || (smallWindowLoaded_ && smallWindowLoaded_(formName));
}

void BoardPresenter::UnloadForm(std::string_view formName) {
    if (unloadSmallWindow_) unloadSmallWindow_(formName);
}

void BoardPresenter::UnloadBoard() {
    surface_.Widget().close();
}

std::optional<PictureSize> BoardPresenter::PictureFileSize(const std::string& path) {
    const QSize size = QImageReader(QString::fromStdString(path)).size();
    if (!size.isValid() || size.isEmpty()) return std::nullopt;
    return PictureSize{size.width(), size.height()};
}

void BoardPresenter::ClearPaintedBoard() {
    surface_.ClearPainted();
}

void BoardPresenter::RulesRefresh() {
    if (rulesRefresh_) rulesRefresh_();
}

// Neither the drop-down menu nor the chat window exists beside this board yet.
void BoardPresenter::CloseDropDownMenu() {}
void BoardPresenter::ChatFollowsBoard(WindowState) {}

} // namespace zarle
