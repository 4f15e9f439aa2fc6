#pragma once
// The about window of the Help menu: title, version, the makers' lines, the web site and texts of
// the text store. Its icon plays a sound; a right click on it reveals the credits.

#include "engine/ServicePorts.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"
#include "platform/forms/Form.h"

#include <string>

namespace zarle {

class CardPictureBank;

class frmAbout final : public Form {
  public:
    frmAbout(std::string appPath, CardPictureBank& pictures, SoundPort& sound, QWidget* parent = nullptr);

    ImageBox* picIcon;
    Label* lblTitle;
    Label* lblVersion;
    Label* lblDescription;
    Label* LblSite;
    Label* Label2;
    Label* lblDis;
    Label* Label3;
    Label* credit;
    CommandButton* cmdOK;
    std::string CreditText;

  private:
    void Form_Load();
    void MoveToTopEdge();
    void cmdOK_Click();
    void picIcon_Click();
    void picIcon_MouseDown(const MouseArgs& args);

    std::string appPath_;
    SoundPort& sound_;
};

// Shows the about window modally over `parent`; it is released when it closes.
void ShowAbout(std::string appPath, CardPictureBank& pictures, SoundPort& sound, QWidget* parent);

} // namespace zarle
