#pragma once
// The card counter: which cards of the deck have been face up, a line per suit of every pack
// (four lines a player) and a column per rank, Ace to King; 1 for a card seen, an underscore for
// one not yet seen. It stays on top of the board; Enter or F8 closes it.

#include "engine/GameState.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"
#include "platform/forms/Class1.h"
#include "platform/forms/Form.h"

#include <string>

namespace zarle {

inline constexpr const char* CounterHeader = "1  2  3  4  5  6  7  8  9 10 J  Q  K";

// The grid's text for the deck's seen flags: every card " 1 " or " _ ", one blank more after the
// tenth column (under the header's two-digit "10"), and a line break and a blank after every suit.
std::string CounterText(const GameState& game);

class frmCounter final : public Form {
  public:
    frmCounter(const GameState& game, QWidget* board);

    Label* Label1;
    Label* LblGrid;
    ControlArray<ImageBox> Image1; // 0 the suits of the first two packs, 1 those of the next ones
    Class1 OnTopKeeper;

  protected:
    bool QueryUnload(int unloadMode) override;

  private:
    void Form_Load();
    void Form_KeyDown(int keyCode);

    const GameState& game_;
};

} // namespace zarle
