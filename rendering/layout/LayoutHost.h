#pragma once
// What the layout asks of the rest of the program: drawing cards, reading a picture's size,
// repainting the table and the neighbouring windows. The window implements it; tests fake it.

#include "engine/BoardControls.h"
#include "rendering/model/BoardModel.h"

#include <optional>
#include <string>
#include <string_view>

namespace zarle {

struct PictureSize {
    int Width = 0; // pixels
    int Height = 0;
};

class LayoutHost {
  public:
    virtual ~LayoutHost() = default;

    // Cards: a face (card > 0), a back (card 0) or the empty pile (card 0, mode 88).
    virtual void ShowCard(Pics pics, int index, int card, int mode) = 0;
    // Draws one seat's ten slots from its slot row in the game state.
    virtual void RefreshPileBorders(Pics pics) = 0;
    // The natural size of a picture file; nothing when it cannot be read.
    virtual std::optional<PictureSize> PictureFileSize(const std::string& path) = 0;

    // The table: wipe what is painted on the board, paint the chosen background picture, and
    // put the table colour and the empty and back pictures on the stock, centers and side piles.
    virtual void ClearPaintedBoard() = 0;
    virtual void BackgroundPaint() = 0;
    virtual void ApplyTableLook() = 0;
    virtual void RulesRefresh() = 0;

    // Windows around the board.
    virtual bool IsFormLoaded(std::string_view formName) = 0;
    virtual void UnloadForm(std::string_view formName) = 0;
    // Closes the drop-down menu window when it is open.
    virtual void CloseDropDownMenu() = 0;
    // In a network game the chat window takes this state when the board's changes.
    virtual void ChatFollowsBoard(WindowState state) = 0;
};

} // namespace zarle
