#pragma once
// The drawn menu strip across the top of the board: shown when the mouse touches the board's top
// edge or the menu tab, or on Alt; hidden by a click on the board or a message line and by Esc. A
// press on a title opens its drop-down window below the strip and waits, with the window live,
// until the window closes: by a choice, Esc, a click elsewhere, another title or the program
// closing. Only then does the chosen command run.

#include "board/BoardPresenter.h"
#include "engine/GameState.h"
#include "engine/ServicePorts.h"
#include "board/menus/MenuEntries.h"
#include "board/menus/MenuPopups.h"
#include "board/menus/frmMenu.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

namespace zarle {

class CardPictureBank;
class FrmZarle;

struct MenuStripParts {
    GameState& Game;
    ProfileState& Profile;
    FrmZarle& Form;
    BoardPresenter& Board;
    SoundPort& Sound;
    MessageBoxPort& Box;
    CardPictureBank& Pictures;
    // The screen does not run at 96 dots per inch; known once start-up has measured it.
    const bool& LargeFonts;
    // Runs the command of a menu entry: menu 1..4, entry index, the pop-up's choice (0 for none).
    std::function<void(int, int, int)> Dispatch;
    // The Game title's refusals; true when refused.
    std::function<bool()> GameRefused;
};

class MenuStrip : public QObject {
  public:
    explicit MenuStrip(MenuStripParts parts);
    ~MenuStrip() override;
    MenuStrip(const MenuStrip&) = delete;
    MenuStrip& operator=(const MenuStrip&) = delete;

    // Event handlers, in the strip's and the board's pixels.
    void imgMenu_MouseMove();
    void Form_MouseMove(float y);
    void Form_MouseDown();
    void picPanel_MouseMove(float x, float y);
    void picPanel_MouseDown(float x, float y);
    // Esc: the strip and its menu closed.
    void HideStrip();
    void ShowStrip();
    bool StripShown() const;

    // The title zone under a point of the strip: menu 1..4, or 0.
    static int TitleAt(float x, float y);

    bool MenuPanelOpen() const { return menu_ != nullptr; }
    frmMenu* MenuWindow() const { return menu_; }
    int MenuNo() const { return menuNo_; }
    bool PanelSoundPlayed() const { return panelSoundPlayed_; }
    void UnloadMenu();

    // The pop-ups' chooser; tests put in their own.
    void SetPopupChooser(std::function<int(Popup, const PopupItems&)> choose) { choose_ = std::move(choose); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AttachControls();
    void Attach(ControlId id, QWidget* widget);
    void OpenMenu(int menu);
    void PlaceMenu(frmMenu& window, int menu);
    MenuConditions ConditionsNow() const;
    // Whether a press on an entry chooses it (the pop-ups may leave the menu open).
    bool Pick(int menu, int item, int& choice);
    void PlayStripSound(int id);

    MenuStripParts p_;
    QPointer<frmMenu> menu_;
    int menuNo_ = 0;
    bool panelSoundPlayed_ = false;
    std::function<int(Popup, const PopupItems&)> choose_;
    std::vector<QPointer<QWidget>> attached_;
};

} // namespace zarle
