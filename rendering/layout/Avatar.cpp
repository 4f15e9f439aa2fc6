// The avatar picture scaled into its box, the draw stock with its box and the two turn markers
// around it, and the opponents' name captions.

#include "rendering/layout/BoardLayout.h"
#include "rendering/model/VbRound.h"

#include <string>

namespace zarle {

namespace {

constexpr int32_t WideScreenTwips = 12000;
constexpr double WideEnoughRatio = 0.82; // height / width from which the box height rules
constexpr int MarkerGap = 7;
constexpr int StockMargin = 5;

// An avatar is a bare file name in the avatars folder; anything that reaches elsewhere is
// treated as a missing file.
bool IsBareFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos;
}

} // namespace

void BoardLayout::ScaleAvatar(std::string_view fileName) {
    SetScale(ScaleMode::Pixels);
    const bool wide = gs_.ScreenTwips > WideScreenTwips;
    if (gs_.NumPlayers < 4 || wide) {
        SizePx(Ctl::ImgAvatar, 0, 120, 120);
        SetTopPx(Ctl::ImgAvatar, 0, 0);
        if (!wide && gs_.NumPlayers == 3) SetLeftPx(Ctl::ImgAvatar, 0, 25);
    } else {
        SizePx(Ctl::ImgAvatar, 0, 110, 110);
        MovePx(Ctl::ImgAvatar, 0, 2, TopPx(Ctl::Label10));
    }
    SetScale(ScaleMode::Twips);
    const int boxW = VbRound(m_.Get(Ctl::ImgAvatar).Width);
    const int boxH = VbRound(m_.Get(Ctl::ImgAvatar).Height);

    // A file that cannot be read keeps the picture shown and the proportions last read.
    std::string path;
    if (IsBareFileName(fileName)) {
        path = gs_.AppPath + "/Avatars/" + std::string(fileName);
        const auto size = host_.PictureFileSize(path);
        if (size && size->Width > 0 && size->Height > 0) {
            st_.AvatarPictureW = size->Width;
            st_.AvatarPictureH = size->Height;
        } else {
            path.clear();
        }
    }
    const double a = static_cast<double>(st_.AvatarPictureW) / st_.AvatarPictureH;
    const double b = static_cast<double>(st_.AvatarPictureH) / st_.AvatarPictureW;
    Control& avatar = m_.Edit(Ctl::ImgAvatar);
    if (b >= WideEnoughRatio) {
        avatar.Height = boxH;
        avatar.Width = VbRound(boxW * a);
    } else {
        avatar.Width = boxW;
        avatar.Height = VbRound(boxH * b);
    }
    if (!path.empty()) avatar.Picture = path;
    if (gs_.NumPlayers == 2 || wide) avatar.Left = m_.Window().Width - avatar.Width;

    SetScale(ScaleMode::Pixels);
    Control& slap = m_.Edit(Ctl::imgSlap);
    slap.Left = avatar.Left;
    slap.Top = avatar.Top;
}

void BoardLayout::LayoutAvatarAndTurn() {
    SetScale(ScaleMode::Pixels);
    const bool wide = gs_.ScreenTwips > WideScreenTwips;
    const bool largeStock = gs_.DisplaySize < 2 && wide;
    SizePx(Ctl::PicCenter, 0, largeStock ? 71 : 59, largeStock ? 96 : 80);
    m_.Edit(Ctl::PicCenter, 0).Picture = largeStock ? "back:large" : "back:small";

    if (wide) {
        SetLeftPx(Ctl::PicCenter, 0, LeftPx(Ctl::ImgAvatar));
    } else if (gs_.NumPlayers == 2) {
        // Right of seat 2's HOLD box.
        const double boxRight = LeftPx(Ctl::Label3, 1) + WidthPx(Ctl::Label3, 1);
        if (gs_.DisplaySize < 2)
            MovePx(Ctl::PicCenter, 0, boxRight + 10, 192);
        else
            SetLeftPx(Ctl::PicCenter, 0, boxRight + 59);
    } else {
        MovePx(Ctl::PicCenter, 0, 25, HeightPx(Ctl::ImgTurn2) + TopPx(Ctl::PicCenter, 3));
    }

    SizePx(Ctl::Label1, 0, WidthPx(Ctl::PicCenter, 0) + 2 * StockMargin,
           HeightPx(Ctl::PicCenter, 0) + 2 * StockMargin);
    MovePx(Ctl::Label1, 0, LeftPx(Ctl::PicCenter, 0) - StockMargin, TopPx(Ctl::PicCenter, 0) - StockMargin);
    const double boxLeft = LeftPx(Ctl::Label1);
    const double boxTop = TopPx(Ctl::Label1);
    const double boxWidth = WidthPx(Ctl::Label1);
    SetTopPx(Ctl::ImgTurn2, 0, boxTop - HeightPx(Ctl::ImgTurn2) - MarkerGap);
    SetTopPx(Ctl::ImgTurn1, 0, boxTop + HeightPx(Ctl::Label1) + MarkerGap);
    for (const Ctl marker : {Ctl::ImgTurn2, Ctl::ImgTurn1})
        SetLeftPx(marker, 0, boxLeft + boxWidth / 2 - WidthPx(marker) / 2);
    MovePx(Ctl::PicCenter, 0, boxLeft + StockMargin, boxTop + StockMargin);

    if (gs_.NumPlayers == 2) {
        const int line = gs_.NumCenters == 4 ? 2 : 1; // the icon sits just above this message line
        SetTopPx(Ctl::imgIcon, 0, TopPx(Ctl::Label9, line) - HeightPx(Ctl::imgIcon));
    }
}

void BoardLayout::NameCaptions() {
    m_.Edit(Ctl::Label9, 4).Caption = gs_.SeatRec1.Name;
    if (gs_.NumPlayers > 2) m_.Edit(Ctl::Label9, 5).Caption = gs_.SeatRec2.Name;
    if (gs_.NumPlayers == 4) m_.Edit(Ctl::Label9, 6).Caption = gs_.SeatRec3.Name;
    if (gs_.PTurn == 0) ScaleAvatar(gs_.SeatRec1.Avatar);
}

} // namespace zarle
