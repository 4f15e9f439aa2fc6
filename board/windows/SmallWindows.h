#pragma once
// The small windows the board opens beside itself and the engine asks about by name: the tip of
// the day ("frmTip"), the card counter ("frmCounter") and the developer's deck views
// ("frmStdSm"); and the developer's display report. Every entry can be called on its own, from
// the menus, the keys or the tests.

#include "board/BoardPresenter.h"
#include "rendering/cards/CardPictureBank.h"
#include "engine/GameState.h"
#include "engine/ServicePorts.h"
#include "board/startup/StartUpState.h"
#include "board/windows/DeckView.h"
#include "board/windows/frmCounter.h"
#include "board/windows/frmTip.h"

#include <QPointer>

#include <string_view>
#include <vector>

namespace zarle {

class HelpPort;

struct SmallWindowParts {
    GameState& Game;
    ProfileState& Profile;
    StartUpState& StartUp;
    BoardPresenter& Board;
    CardPictureBank& Pictures;
    HelpPort& Help;
    MessageBoxPort& Box;
    QWidget& BoardWindow;
};

class SmallWindows {
  public:
    explicit SmallWindows(SmallWindowParts parts) : p_(parts) {}
    ~SmallWindows();
    SmallWindows(const SmallWindows&) = delete;
    SmallWindows& operator=(const SmallWindows&) = delete;

    // The tip of the day, modeless (the Help menu's "Daily Tips").
    void ShowTip();
    // At the end of start-up: the tip of the day when the player asked for it.
    void ShowTipAtStartUp();
    // The card counter, refreshed and shown (the Help menu's "Card Counter", F8).
    void ShowCounter();
    // Refreshes the counter's grid; loads the window, unshown, when it is not loaded.
    void CounterUpdate();
    // A new view of the shuffled deck (a deal in developer mode).
    void DebugShowDeck();
    // The screen and window report in a message box (Ctrl+F11).
    void DisplayStats();

    bool IsLoaded(std::string_view formName) const;
    void Unload(std::string_view formName);

    frmTip* TipWindow() const { return tip_; }
    frmCounter* CounterWindow() const { return counter_; }
    // The deck view opened last, while it is open.
    DeckView* LastDeckView() const;

  private:
    SmallWindowParts p_;
    QPointer<frmTip> tip_;
    QPointer<frmCounter> counter_;
    std::vector<QPointer<DeckView>> deckViews_;
};

} // namespace zarle
