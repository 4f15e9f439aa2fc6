#include "rendering/layout/BoardLayout.h"

namespace zarle {

BoardLayout::BoardLayout(BoardModel& board, GameState& game, ProfileState& profile, LayoutHost& host)
    : m_(board), gs_(game), profile_(profile), host_(host) {}

void BoardLayout::LoadSeatSlots() {
    for (int slot = 2; slot <= SlotCount; ++slot) {
        m_.Load(Ctl::Picture7, slot);
        m_.Load(Ctl::Picture1, slot);
        const bool holdPile = slot >= 7;
        Show(Ctl::Picture7, slot, holdPile);
        Show(Ctl::Picture1, slot, holdPile);
    }
}

void BoardLayout::MovePx(Ctl family, int index, double left, double top) {
    Control& c = m_.Edit(family, index);
    c.Left = ToTwips(left);
    c.Top = ToTwips(top);
}

void BoardLayout::SizePx(Ctl family, int index, double width, double height) {
    Control& c = m_.Edit(family, index);
    c.Width = ToTwips(width);
    c.Height = ToTwips(height);
}

void BoardLayout::SetScale(ScaleMode mode) {
    if (m_.Window().Scale != mode) m_.EditWindow().Scale = mode;
}

void BoardLayout::ClearCenterArrays() {
    gs_.CenterCount = {};
    gs_.CenterCards = {};
}

void BoardLayout::ClearDeckArrays() {
    gs_.Deck = {};
    gs_.UsedCards = {};
}

// Index 0 is the plain table and BackCount + 1 the table colour; anything else is a picture.
bool BoardLayout::BackgroundPictureChosen() const {
    return profile_.BackIdx != 0 && profile_.BackIdx != profile_.BackCount + 1;
}

// While the welcome or players window is open the board keeps its window state and painting.
bool BoardLayout::EitherSetupFormLoaded() {
    return host_.IsFormLoaded("frmWelcome") || host_.IsFormLoaded("frmPlayers");
}

} // namespace zarle
