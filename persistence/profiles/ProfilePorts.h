#pragma once
// What the player profiles reach outside plain data: the board window and its rendering, the
// engine and the computer seats, sounds, pauses and message boxes.

#include "engine/BoardControls.h"
#include "base/records/OpponentSlot.h"
#include "engine/SeatRecord.h"
#include "engine/ServicePorts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarle {

struct TwipsPoint {
    int Left = 0;
    int Top = 0;
};

// A file-open dialog: flags as the common dialog takes them, filter "Label|*.a;*.b".
struct FileDialogRequest {
    int Flags = 0;
    std::string Filter;
    std::string Title;
    std::string InitDir;
};

class ProfileView {
  public:
    virtual ~ProfileView() = default;

    // Controls of the board window.
    virtual void SetCaption(ControlId control, std::string_view text) = 0;
    virtual void SetVisible(ControlId control, bool visible) = 0;
    virtual bool IsVisible(ControlId control) = 0;
    virtual void SetForeColor(ControlId control, int32_t color) = 0;
    virtual void SetFontSize(ControlId control, int points) = 0;
    virtual double FontSize(ControlId control) = 0;
    // Left edge of a control in twips, and the board window's top and height in twips.
    virtual int LeftTwips(ControlId control) = 0;
    virtual int BoardTopTwips() = 0;
    virtual int BoardHeightTwips() = 0;
    // Where the hidden-cards window goes when no usable place is stored.
    virtual TwipsPoint DefaultHoldWindowPlace() = 0;

    // Card pictures.
    virtual void SetCardSizePics() = 0;
    virtual void LoadCardSkin() = 0;
    virtual void GetCardFaces(int style) = 0;
    virtual void SaveCardBitmaps() = 0;
    virtual void GetCardBacks(int design) = 0;
    virtual int GetBacksQuantity() = 0;
    virtual void SetPlainBackColor(int32_t color) = 0;

    // Table look, layout and drawing.
    virtual void ApplyTableLook() = 0;
    virtual void CreateFrames() = 0;
    // The new counts are already in force; the arguments are the counts before the change.
    virtual void ChangeLayout(int prevPlayers, int prevCenters) = 0;
    virtual void LayoutStandard() = 0;
    virtual void LayoutMulti() = 0;
    virtual void LayoutCenters() = 0;
    virtual void NameCaptions() = 0;
    virtual void GetImgHoldpic() = 0;
    virtual void ScaleAvatar(std::string_view fileName) = 0;
    virtual void BackgroundPaint() = 0;
    virtual void ClearBackgroundPicture() = 0;
    virtual void Redraw() = 0;
    // Loads the lead personality's animation pictures again.
    virtual void ReloadLeadPersonalityPictures() = 0;

    // The chosen file's full path; nothing when cancelled.
    virtual std::optional<std::string> ShowOpen(const FileDialogRequest& request) = 0;
};

// The engine, the computer seats and the statistics as profiles use them.
class ProfileNeighbours {
  public:
    virtual ~ProfileNeighbours() = default;
    virtual void ClearBoard() = 0;
    virtual void RulesRefresh() = 0;
    virtual void TempMoves_Open(bool open) = 0;
    // Gives an opponent seat the personality of the profile's entry 1..3 (seat 2..4); the entry
    // may be corrected (trimmed, an empty seat filled with the default personality).
    virtual void LoadOpponentSeat(SeatRecord& opponent, int entry, OpponentSlot& choice) = 0;
    // Loads the best-run records into the statistics.
    virtual void ChangeBestRun() = 0;
};

// The welcome window, shown modally; it returns once a name has been accepted.
class WelcomeWindowPort {
  public:
    virtual ~WelcomeWindowPort() = default;
    virtual void ShowModal() = 0;
};

struct ProfilePorts {
    ProfileView& View;
    ProfileNeighbours& Calls;
    SoundPort& Sound;
    WaitPort& Waiter;
    MessageBoxPort& Box;
};

} // namespace zarle
