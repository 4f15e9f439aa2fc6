#pragma once
// The table's looks on the board window: the backgrounds, the card-back flow animation and the
// preferences dialog, each callable on its own. The drawn menus, the keys and the end of a game
// call in here.

#include "board/BoardPresenter.h"
#include "engine/Engine.h"
#include "platform/help/HelpPort.h"
#include "board/looks/Backgrounds.h"
#include "board/looks/BoardPreferences.h"
#include "board/looks/CardsFlow.h"

namespace zarle {

class CardPictureBank;
class FrmZarle;
class Profiles;

struct TableLooksParts {
    GameState& Game;
    ProfileState& Profile;
    FrmZarle& Form;
    BoardPresenter& Board;
    CardPictureBank& Pictures;
    Engine& GameEngine;
    Profiles& PlayerProfiles;
    WaitPort& Waiter;
    MessageBoxPort& Box;
    HelpPort& Help;
    // The screen does not run at 96 dots per inch; known once start-up has measured it.
    const bool& LargeFonts;
};

class TableLooks {
  public:
    explicit TableLooks(TableLooksParts parts);

    // The Up (38) and Down (40) keys, and the Options menu's Background entry (32).
    void backgrounds(int keyCode) { backgrounds_.backgrounds(keyCode); }
    // The Options menu's Add Background entry.
    void AddBackground() { backgrounds_.AddBackground(); }
    // Variant 0 the whole board, 1 the card rows, any other the stock; returns once stopped.
    void AnimateCardsFlow(int variant) { flow_.AnimateCardsFlow(variant); }
    // The menus and keys stop a running flow animation through this.
    void StopCardsFlow() { flow_.Stop(); }
    // The Options menu's Preferences entry: the dialog, modally, unless another seat of a network
    // game is playing.
    void ShowPreferences();

    Backgrounds& TableBackgrounds() { return backgrounds_; }
    CardsFlow& Flow() { return flow_; }
    BoardPreferences& PreferencesPort() { return preferences_; }

  private:
    TableLooksParts p_;
    Backgrounds backgrounds_;
    CardsFlow flow_;
    BoardPreferences preferences_;
};

} // namespace zarle
