// The engine's construction, its small helpers over the ports, and the board-wide reset.

#include "engine/Engine.h"

#include "engine/SeatPictures.h"
#include "engine/UndoLog.h"

#include <algorithm>

namespace zarle {

Engine::Engine(GameState& state, EnginePorts ports) : s_(state), p_(ports) {}
Engine::~Engine() = default;

void Engine::Caption(Ctl control, int index, std::string_view text) {
    p_.Board.SetCaption({control, index}, text);
}

void Engine::Show(Ctl control, int index, bool visible) {
    p_.Board.SetVisible({control, index}, visible);
}

void Engine::PlaySound(int id) {
    if (s_.SoundLevel != 2) p_.Sound.PlayResource(id, SoundPlay::Async);
}

void Engine::PlayPersonalitySound(std::string_view path, SoundPlay how) {
    if (s_.SoundLevel == 0) p_.Sound.PlayFile(path, how);
}

int Engine::RndInt(int n) {
    const int drawn = static_cast<int>(p_.Random.Rnd() * static_cast<float>(n));
    return std::clamp(drawn, 0, n - 1);
}

bool Engine::NetWaitUntil(const std::function<bool()>& done, std::initializer_list<NetCode> abortCodes) {
    for (;;) {
        if (done()) return true;
        if (s_.NetMode == 0) {
            s_.NetState = NetGoodbye;
            return false;
        }
        if (s_.StopWait || std::ranges::find(abortCodes, s_.NetState) != abortCodes.end()) return false;
        p_.Net.NetWaitReply(0);
        p_.Waiter.DoEvents();
    }
}

void Engine::RejectPeerMessage() {
    s_.NetState = NetGoodbye;
    p_.Net.ConnectionLost();
}

// Only a working copy that holds the seat on the move goes back: between the flip for first and
// that seat's turn (during the deal, say) it holds no seat, and writing it would empty the seat.
void Engine::GoUpdateOpponents() {
    if (s_.PTurn >= 2 && s_.PTurn <= s_.NumPlayers && s_.WorkSeat == s_.PTurn)
        p_.Opponents.SwapOpponentData(s_.Seat(s_.PTurn), true);
}

void Engine::ClearBoard() {
    const bool turnRestart = s_.RestartMode || s_.UndoMode || s_.PrevTurnMode;
    s_.SidePos = static_cast<int16_t>(FramesPerSeat - s_.SideSizeM1);
    s_.WorkSidePos = static_cast<int16_t>(2 * FramesPerSeat - s_.SideSizeM1);
    s_.PTurn = 0;
    s_.SideCount = 0;
    s_.WorkSideCount = 0;
    s_.HandCount = 5;
    s_.UsedCount = 0;
    s_.WorkWildHand = s_.WorkWildSide = s_.WildHand = s_.WildSide = 0;
    p_.Board.WildUpdate();

    for (Ctl hidden : {Ctl::ImgTurn2, Ctl::ImgTurn1, Ctl::ImgHold, Ctl::Command2}) Show(hidden, 0, false);
    s_.AwaitHuman = false;
    Caption(Ctl::LabelPeek, 0, "");
    Show(Ctl::LabelPeek, 0, false);
    if (Local()) {
        Caption(Ctl::Label9, 2, "");
        Caption(Ctl::Label9, 1, "");
    }

    s_.WorkHoldInfo = {};
    s_.HoldCount = {};
    s_.WorkHoldCards = {};
    s_.HoldCards = {};
    s_.WorkSideCards = {};
    s_.SideCards = {};
    s_.PlayerCards = {};
    s_.WorkSlots = {};
    s_.WorkSeat = 0;
    s_.CenterCards = {};
    s_.CenterCount = {};
    s_.DeckSize = static_cast<int16_t>(PackSize * s_.NumPlayers);
    s_.Deck = {};
    s_.UsedCards = {};
    s_.StockCount = 0;
    s_.StaleState = 0;
    s_.RedealFailed = false;
    s_.PlanCenter = 1;

    if (s_.DisplaySize < 1 && !turnRestart) {
        p_.Board.LayoutValues();
        p_.Board.LayoutPlayer();
    }
    for (int seat = 2; seat <= MaxPlayers; ++seat) ClearPlayerPiles(s_.Seat(seat));

    // A restart keeps the statistics of the game so far: only the current turn's row goes.
    for (int row = 1; row <= 4; ++row) {
        const bool clear = !turnRestart || row == 1 || (row == 3 && s_.PrevTurnMode);
        if (clear) s_.Stats[row] = {};
    }

    for (int seat = 1; seat <= MaxPlayers; ++seat) {
        if ((seat == 3 && !s_.Seat3Shown) || (seat == 4 && !s_.Seat4Shown)) continue;
        for (int frame = 1; frame <= FramesPerSeat; ++frame)
            Show(Ctl::Stack, (seat - 1) * FramesPerSeat + frame, false);
    }

    if (turnRestart) return;
    for (int slot = 1; slot <= SlotCount; ++slot) p_.Board.SetEnabled({Ctl::Picture7, slot}, false);
    for (int seat = 1; seat <= s_.NumPlayers; ++seat) {
        const Pics pics = SeatPics(seat);
        for (int slot = 1; slot <= 6; ++slot) p_.Board.SetVisible(PicControl(pics, slot), false);
        for (int slot = 7; slot <= SlotCount; ++slot) p_.Board.ShowCard(pics, slot, 0, ShowEmptyPile);
    }
    for (int c = 1; c <= s_.NumCenters; ++c) {
        p_.Board.SetBackColor({Ctl::PicCenter, c}, 0x80C0FF);
        p_.Board.ShowCard(Pics::PicCenter, c, 0, ShowEmptyPile);
        Show(Ctl::LblWild, c, false);
    }
    p_.Board.SetBackColor({Ctl::PicCenter, 0}, s_.DeckColor);
    Show(Ctl::PicCenter, 0, true);
    Show(Ctl::Label1, 0, true);
    s_.PeekOn = false;
    if (p_.Board.IsFormLoaded("frmCounter")) p_.Board.UnloadForm("frmCounter");
}

} // namespace zarle
