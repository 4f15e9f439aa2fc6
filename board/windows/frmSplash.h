#pragma once
// The window shown while the program starts: the game's name, version and legal notice beside a
// fan of cards. A key or a click on it closes it early.

#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/VbControl.h"
#include "platform/forms/Form.h"

#include <QFrame>

namespace zarle {

class CardPictureBank;

class frmSplash final : public Form {
  public:
    explicit frmSplash(CardPictureBank& pictures);

    VbControl<QFrame>* Frame1;
    ImageBox* Image1;
    Label* Label1;
    Label* lblPlatform;
    Label* lblWarning;
    Label* lblVersion;
    Label* lblNotice;

  private:
    void Form_Load();
    void Form_KeyPress();
    void Frame1_Click();
};

} // namespace zarle
