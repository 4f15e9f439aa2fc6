#pragma once
// The three pop-up menus opened from the drop-down list: the sound level, the display size and
// the web sites. Each returns the item chosen, or -1 when the pop-up was dismissed.

#include "engine/GameState.h"

#include <QPoint>

#include <string>
#include <vector>

class QWidget;

namespace zarle {

enum class Popup { Noise, DisplaySize, ToInternet };

struct PopupItems {
    std::vector<std::string> Captions;
    int FirstIndex = 0;   // the index the first caption stands for
    int DefaultItem = -1; // shown in bold
    bool Enabled = true;  // false: every item greyed
};

// The items of a pop-up as the game state has them now.
PopupItems PopupItemsOf(Popup popup, const GameState& game);

// Shows the pop-up at a point of the screen and waits for the choice.
int ShowPopup(const PopupItems& items, QWidget* parent, QPoint at);

} // namespace zarle
