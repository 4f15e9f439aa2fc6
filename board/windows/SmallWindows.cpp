#include "board/windows/SmallWindows.h"

#include "platform/screen/ScreenMetrics.h"
#include "platform/units/Twips.h"
#include "board/windows/DisplayStats.h"

#include <QScreen>

#include <algorithm>

namespace zarle {

namespace {

template <class Window> void Close(QPointer<Window>& window) {
    if (!window) return;
    Window* w = window;
    window = nullptr;
    w->Unload();
    delete w;
}

// A window closed by the player or by code is gone from then on, and deleted soon after.
template <class Window> void ReleaseOnClose(QPointer<Window>& window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &Form::Unloaded, window, [&window] { window = nullptr; });
}

// A new small window opens in the middle of the board, or at its top right corner, and wholly
// on the board's screen.
void PlaceOverBoard(QWidget& window, const QWidget& board, bool inCorner) {
    window.adjustSize();
    const QRect over = board.frameGeometry();
    QPoint at = inCorner ? QPoint(over.right() - window.width(), over.top())
                         : over.center() - QPoint(window.width() / 2, window.height() / 2);
    if (const QScreen* screen = board.screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - window.width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - window.height())));
    }
    window.move(at);
}

} // namespace

SmallWindows::~SmallWindows() {
    Close(tip_);
    Close(counter_);
    for (QPointer<DeckView>& view : deckViews_) Close(view);
}

void SmallWindows::ShowTip() {
    if (!tip_) {
        tip_ = new frmTip(p_.Game.AppPath, p_.StartUp.ShowTipsSetting, p_.Help, p_.Pictures, &p_.BoardWindow);
        ReleaseOnClose(tip_);
        PlaceOverBoard(*tip_, p_.BoardWindow, false);
    }
    tip_->show();
    tip_->raise();
}

void SmallWindows::ShowTipAtStartUp() {
    if (p_.StartUp.ShowTipsSetting == 1) ShowTip();
}

void SmallWindows::ShowCounter() {
    CounterUpdate();
    counter_->show();
    counter_->raise();
}

void SmallWindows::CounterUpdate() {
    if (!counter_) {
        counter_ = new frmCounter(p_.Game, &p_.BoardWindow);
        ReleaseOnClose(counter_);
        PlaceOverBoard(*counter_, p_.BoardWindow, true);
    }
    counter_->LblGrid->SetCaption(QString::fromStdString(CounterText(p_.Game)));
}

void SmallWindows::DebugShowDeck() {
    std::erase_if(deckViews_, [](const QPointer<DeckView>& v) { return v.isNull(); });
    auto* view = new DeckView(p_.Game, p_.Pictures, p_.BoardWindow.size(), &p_.BoardWindow);
    deckViews_.emplace_back(view);
    view->show();
}

DeckView* SmallWindows::LastDeckView() const {
    for (auto it = deckViews_.rbegin(); it != deckViews_.rend(); ++it)
        if (*it) return *it;
    return nullptr;
}

void SmallWindows::DisplayStats() {
    GameState& g = p_.Game;
    const ScreenMetrics screen = ReadScreenMetrics(&p_.BoardWindow);
    p_.StartUp.TitleBarHeight = static_cast<int16_t>(screen.captionHeight);
    const double tppX = screen.widthPixels > 0 ? double(screen.widthTwips) / screen.widthPixels : 15;
    const double tppY = screen.heightPixels > 0 ? double(screen.heightTwips) / screen.heightPixels : 15;
    const int32_t heightTw = p_.Board.Layout().State().ScreenHeightTw;
    const QSize window = p_.BoardWindow.frameGeometry().size();
    const DisplayFacts facts{TwipsToPixels(g.ScreenTwips, tppX),
                             TwipsToPixels(heightTw, tppY),
                             p_.Profile.BitsPerPixel,
                             g.ScreenTwips,
                             heightTw,
                             !p_.StartUp.LargeFonts,
                             window.width(),
                             window.height(),
                             p_.StartUp.TitleBarHeight};
    g.MsgText = DisplayStatsText(facts);
    g.MsgAnswer = static_cast<int16_t>(p_.Box.MsgBox(g.MsgText, MbInformation, ""));
}

bool SmallWindows::IsLoaded(std::string_view formName) const {
    if (formName == "frmTip") return tip_ != nullptr;
    if (formName == "frmCounter") return counter_ != nullptr;
    if (formName == "frmStdSm") return LastDeckView() != nullptr;
    return false;
}

void SmallWindows::Unload(std::string_view formName) {
    if (formName == "frmTip") Close(tip_);
    if (formName == "frmCounter") Close(counter_);
    if (formName == "frmStdSm")
        for (QPointer<DeckView>& view : deckViews_) Close(view);
}

} // namespace zarle
