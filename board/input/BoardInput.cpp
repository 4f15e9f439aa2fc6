#include "board/input/BoardInput.h"

#include "board/FrmZarle.h"
#include "board/input/StatusPanels.h"
#include "board/windows/frmHold.h"

#include "platform/controls/CommandButton.h"
#include "platform/controls/StatusBar.h"

#include <QChildEvent>

#include <algorithm>

namespace zarle {

namespace {

constexpr Ctl OpponentPictures[] = {Ctl::Picture1, Ctl::Picture2, Ctl::Picture3};

ControlEvents* EventsOf(QWidget* widget) {
    if (auto* picture = dynamic_cast<VbControl<QWidget>*>(widget)) return &picture->Events();
    return nullptr;
}

} // namespace

BoardInput::BoardInput(BoardInputParts parts) : s_(parts.Game), p_(parts) {
    p_.Form.installEventFilter(this);
    AttachControls();
}

BoardInput::~BoardInput() {
    p_.Form.removeEventFilter(this);
    UnloadHoldWindow();
}

// A control shows before it can be pressed, and shows only once polished: each newly polished
// control of the board is wired then.
bool BoardInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &p_.Form && event->type() == QEvent::ChildPolished) AttachControls();
    return QObject::eventFilter(watched, event);
}

void BoardInput::AttachControls() {
    std::erase_if(attached_, [](const QPointer<QWidget>& w) { return w.isNull(); });
    const auto visit = [this](Ctl family, int first, int last) {
        for (int i = first; i <= last; ++i)
            if (QWidget* w = p_.Form.ControlWidget({family, i})) Attach({family, i}, w);
    };
    visit(Ctl::Picture7, 1, SlotCount);
    for (const Ctl family : OpponentPictures) visit(family, 0, SlotCount);
    visit(Ctl::PicCenter, 0, MaxCenters);
    visit(Ctl::Command2, 0, 0);
    visit(Ctl::StatusBar1, 0, 0);
}

void BoardInput::Attach(ControlId id, QWidget* widget) {
    if (std::find(attached_.begin(), attached_.end(), widget) != attached_.end()) return;
    attached_.emplace_back(widget);
    const int index = id.index;
    switch (id.family) {
    case Ctl::Picture7: AttachCardPicture(index, widget); break;
    case Ctl::Picture1:
    case Ctl::Picture2:
    case Ctl::Picture3:
        AttachOpponentPicture(static_cast<int>(id.family) - static_cast<int>(Ctl::Picture1) + 2, index,
                              widget);
        break;
    case Ctl::PicCenter:
        if (ControlEvents* events = EventsOf(widget)) {
            connect(events, &ControlEvents::DblClick, this, [this, index] { PicCenter_DblClick(index); });
            connect(events, &ControlEvents::MouseDown, this,
                    [this, index](MouseArgs a) { PicCenter_MouseDown(index, a.button, a.shift); });
        }
        break;
    case Ctl::Command2:
        connect(static_cast<CommandButton*>(widget), &QPushButton::clicked, this,
                [this] { Command2_Click(); });
        break;
    case Ctl::StatusBar1:
        connect(static_cast<StatusBar*>(widget), &StatusBar::PanelClick, this,
                [this](int panel) { StatusBar1_PanelClick(panel); });
        break;
    default: break;
    }
}

void BoardInput::AttachCardPicture(int index, QWidget* widget) {
    ControlEvents* events = EventsOf(widget);
    if (!events) return;
    // A card picture takes the keyboard once clicked, for the developer keys on the cards.
    widget->setFocusPolicy(Qt::ClickFocus);
    connect(events, &ControlEvents::MouseDown, this,
            [this, index](MouseArgs a) { Picture7_MouseDown(index, a.button, a.shift, a.x, a.y); });
    connect(events, &ControlEvents::MouseMove, this,
            [this, index](MouseArgs a) { Picture7_MouseMove(index, a.button, a.shift, a.x, a.y); });
    connect(events, &ControlEvents::MouseUp, this,
            [this, index](MouseArgs a) { Picture7_MouseUp(index, a.button, a.shift, a.x, a.y); });
    connect(events, &ControlEvents::DblClick, this, [this, index] { Picture7_DblClick(index); });
    connect(events, &ControlEvents::KeyDown, this,
            [this, index](int keyCode, int shift) { Picture7_KeyDown(index, keyCode, shift); });
}

void BoardInput::AttachOpponentPicture(int seat, int index, QWidget* widget) {
    if (ControlEvents* events = EventsOf(widget))
        connect(events, &ControlEvents::MouseDown, this,
                [this, seat, index](MouseArgs a) { OpponentPicture_MouseDown(seat, index, a.button); });
}

void BoardInput::Command2_Click() {
    p_.GameEngine.Command2_Click();
}

void BoardInput::StatusBar1_PanelClick(int panel) {
    auto* bar = static_cast<StatusBar*>(p_.Form.ControlWidget({Ctl::StatusBar1, 0}));
    if (!bar) return;
    if (bar->Key(panel) == "Undo") {
        if (s_.PTurn == 1 && s_.MoveRecNo != 0 && undoPanel_) undoPanel_();
        return;
    }
    // Every other panel is only shown.
    if (bar->Key(panel) != "OppName") return;
    st_.ShownOpponent = NextShownOpponent(st_.ShownOpponent, s_.NumPlayers);
    StatusBar_PlayerCounts(p_.Board, s_, s_.Seat(st_.ShownOpponent + 1));
}

void BoardInput::ShowHidden(const HoldListing& listing, int16_t ofOpponent) {
    st_.InfoOfOpponent = ofOpponent;
    st_.InfoCards.clear();
    if (!hold_) hold_ = new frmHold(s_, p_.Profile, p_.Pictures, &p_.Form);
    hold_->ShowListing(listing);
    st_.InfoPile = listing.InfoPile;
    st_.InfoCards = listing.InfoCards;
}

void BoardInput::UnloadHoldWindow() {
    if (!hold_) return;
    frmHold* window = hold_;
    hold_ = nullptr;
    window->Unload();
    delete window;
}

void BoardInput::Caption(int line, const std::string& text) {
    p_.Board.SetCaption({Ctl::Label9, line}, text);
}

PilePlace BoardInput::PlaceOf(ControlId id) const {
    const Control& c = p_.Board.Model().Get(id);
    return PilePlace{ToPixels(c.Left), ToPixels(c.Top)};
}

void BoardInput::MoveTo(ControlId id, int left, int top) {
    p_.Board.MoveTo(id, left, top);
}

} // namespace zarle
