#pragma once
// The hidden-cards window: a small borderless window over the board that shows the cards beneath
// the top of a pile, ten small faces overlapping from left to right. It is moved by dragging it
// anywhere; a click on it remembers where it stands, for this run and the player's preferences.
// Closing it only hides it; code unloads it.

#include "base/records/ProfileState.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/forms/Form.h"
#include "board/input/HoldInfo.h"

namespace zarle {

class CardPictureBank;

class frmHold final : public Form {
  public:
    frmHold(GameState& game, ProfileState& profile, CardPictureBank& pictures, QWidget* board);

    // Shows a listing at the remembered place: every picture emptied, then the cards listed.
    void ShowListing(const HoldListing& listing);

    ControlArray<PictureBox> Picture8;
    Label* lblHold;
    ControlArray<CommandButton> cmdExit;

  protected:
    bool QueryUnload(int unloadMode) override;

  private:
    void Form_Load();
    void LoadCardRow();
    void DressWindow();
    void PlaceWindow();
    void SaveWindowPos();
    void cmdExit_Click(int index);
    void ShowEmpty(int index);

    GameState& game_;
    ProfileState& profile_;
    CardPictureBank& pictures_;
};

} // namespace zarle
