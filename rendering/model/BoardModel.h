#pragma once
// The board window's controls and window values as plain numbers and texts. The layout writes
// here without a screen; the window reads what changed and applies it to its widgets.

#include "engine/BoardControls.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zarle {

inline constexpr double TwipsPerPixel = 15.0;
constexpr double ToTwips(double pixels) {
    return pixels * TwipsPerPixel;
}
constexpr double ToPixels(double twips) {
    return twips / TwipsPerPixel;
}

enum class ControlKind : uint8_t { PictureBox, Image, Label, Shape, CommandButton, StatusBar };
enum class ScaleMode : uint8_t { Twips = 1, Pixels = 3 };
enum class WindowState : uint8_t { Normal = 0, Minimized = 1, Maximized = 2 };

// One control. Places and sizes are kept in twips, the unit the window measures itself in, so
// that values such as 2.25 pixels stay exact and a shrink by 0.8 followed by an enlarge by 1.25
// lands where it started. Colours are &HBBGGRR numbers.
struct Control {
    bool Loaded = false;
    bool Visible = false;
    bool Enabled = true;
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    int ZOrder = 0; // higher lies in front
    std::string Caption;
    std::string ToolTip;
    std::string Picture; // a key the window resolves: "back:large", "empty:small", a file path
    double FontSize = 8;
    bool FontItalic = false;
    uint32_t BackColor = 0xFFFFFF;
    uint32_t ForeColor = 0;
    uint32_t FillColor = 0;
    int BorderStyle = 0;
    bool BackTransparent = false;
};

struct BoardWindow {
    double Left = 0; // twips, outer frame
    double Top = 0;
    double Width = 12000;
    double Height = 9000;
    WindowState State = WindowState::Normal;
    ScaleMode Scale = ScaleMode::Twips;
    double FontSize = 8;
    uint32_t BackColor = 0x008000;
    bool PaintingOn = true; // off while the display size changes
    int BoardHeight = 9000; // twips, the size in the normal window state
    int BoardWidth = 12000;
    int BoardScaleW = 0; // inner size in pixels
    int BoardScaleH = 0;
    int MinInsideWidth = 0; // pixels: the least inside that shows the whole board
    int MinInsideHeight = 0;
};

struct ControlFamily {
    Ctl Family;
    int Capacity; // elements 0 .. Capacity - 1
    ControlKind Kind;
};

// Every control family the board window holds.
inline constexpr std::array<ControlFamily, 27> BoardFamilies{{
    {Ctl::Picture7, 11, ControlKind::PictureBox},   {Ctl::Picture1, 11, ControlKind::PictureBox},
    {Ctl::Picture2, 11, ControlKind::PictureBox},   {Ctl::Picture3, 11, ControlKind::PictureBox},
    {Ctl::PicCenter, 5, ControlKind::PictureBox},   {Ctl::Label9, 7, ControlKind::Label},
    {Ctl::LblWild, 5, ControlKind::Label},          {Ctl::Label3, 4, ControlKind::Label},
    {Ctl::Label1, 1, ControlKind::Label},           {Ctl::Label10, 1, ControlKind::Label},
    {Ctl::LabelPeek, 1, ControlKind::Label},        {Ctl::lblRules, 1, ControlKind::Label},
    {Ctl::lblLevel, 1, ControlKind::Label},         {Ctl::lblHighlight, 1, ControlKind::Label},
    {Ctl::StatusMsg, 1, ControlKind::Label},        {Ctl::Stack, 101, ControlKind::Shape},
    {Ctl::ImgHold, 1, ControlKind::Image},          {Ctl::ImgAvatar, 1, ControlKind::Image},
    {Ctl::imgSlap, 1, ControlKind::Image},          {Ctl::ImgTurn1, 1, ControlKind::Image},
    {Ctl::ImgTurn2, 1, ControlKind::Image},         {Ctl::imgIcon, 1, ControlKind::Image},
    {Ctl::imgMenu, 1, ControlKind::Image},          {Ctl::picPanel, 1, ControlKind::PictureBox},
    {Ctl::Command2, 1, ControlKind::CommandButton}, {Ctl::StatusBar1, 1, ControlKind::StatusBar},
    {Ctl::lblHoldCard, 9, ControlKind::Label},
}};

class BoardModel {
  public:
    BoardModel();

    // The family's entry, or nullptr for a family the board does not hold.
    static const ControlFamily* Family(Ctl family);

    const Control& Get(Ctl family, int index = 0) const;
    const Control& Get(ControlId id) const { return Get(id.family, id.index); }
    // Write access; the control counts as changed. An element outside the family gives a scratch
    // control whose values go nowhere.
    Control& Edit(Ctl family, int index = 0);
    Control& Edit(ControlId id) { return Edit(id.family, id.index); }

    bool IsLoaded(Ctl family, int index = 0) const { return Get(family, index).Loaded; }
    // A new element starts as a hidden copy of the family's lowest loaded element and lies in
    // front of the others. Loading a loaded element changes nothing.
    void Load(Ctl family, int index);
    void Unload(Ctl family, int index);
    void BringToFront(Ctl family, int index = 0);

    const BoardWindow& Window() const { return window_; }
    BoardWindow& EditWindow();

    // What changed since the last ClearChanges, for the window to apply.
    const std::vector<ControlId>& ChangedControls() const { return changed_; }
    bool WindowChanged() const { return windowChanged_; }
    // Grows with every write access; equal counts mean nothing was touched in between.
    uint64_t ChangeCount() const { return changeCount_; }
    void ClearChanges();

    template <class Visit> void ForEachLoaded(Visit&& visit) const {
        for (const ControlFamily& f : BoardFamilies)
            for (int i = 0; i < f.Capacity; ++i) {
                const Control& c = Get(f.Family, i);
                if (c.Loaded) visit(ControlId{f.Family, i}, f.Kind, c);
            }
    }

  private:
    int Slot(Ctl family, int index) const; // -1 outside the board
    void MarkChanged(int slot, Ctl family, int index);

    std::vector<Control> controls_;
    std::vector<int> familyStart_; // by Ctl value; -1 for families the board does not hold
    std::vector<uint8_t> isChanged_;
    std::vector<ControlId> changed_;
    Control scratch_;
    BoardWindow window_;
    bool windowChanged_ = false;
    uint64_t changeCount_ = 0;
    int frontZ_ = 0;
};

} // namespace zarle
