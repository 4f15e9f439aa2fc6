#pragma once
// The drop-down window of a drawn menu: the skin's title picture over a list of the menu's
// entries, kept above the board while open. The entry under the mouse is highlighted; a press on
// the list reports the entry, and the window is unloaded when the press chose it.

#include "platform/forms/Class1.h"
#include "platform/forms/Form.h"

#include <functional>
#include <string>
#include <vector>

namespace zarle {

class ImageBox;
class ListBox;

class frmMenu final : public Form {
  public:
    // `pick` answers whether the pressed entry (-1 for none) is chosen; false keeps the menu open.
    frmMenu(const QPixmap& title, std::function<bool(int)> pick);
    ~frmMenu() override;

    // Fills and sizes the window with the entries of one menu.
    void LoadList(const std::vector<std::string>& entries);

    ListBox* List1;
    ImageBox* imgTop;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void List1_MouseMove(MouseArgs at);
    void List1_MouseDown(MouseArgs at);

    Class1 onTop_;
    std::function<bool(int)> pick_;
};

} // namespace zarle
