#include "board/looks/BoardPreferences.h"

#include "rendering/cards/CardSheet.h"
#include "board/FrmZarle.h"
#include "rendering/cards/clsDLL.h"
#include "board/looks/FormBackdrops.h"

namespace zarle {

namespace {

bool IsMessageLine(ControlId control) {
    return control.family == Ctl::Label9;
}

} // namespace

void BoardPreferences::SetCaption(ControlId control, std::string_view text) {
    board_.SetCaption(control, text);
}

void BoardPreferences::SetVisible(ControlId control, bool visible) {
    board_.SetVisible(control, visible);
}

int BoardPreferences::FontSize(ControlId control) {
    return board_.FontSize(control);
}

// The comment line's size is the message size the layout gives lines it creates later.
void BoardPreferences::SetFontSize(ControlId control, int points) {
    board_.SetFontSize(control, points);
    if (control == ControlId{Ctl::Label9, 2}) board_.Layout().State().LabelFontSize = points;
}

void BoardPreferences::SetForeColor(ControlId control, uint32_t color) {
    if (IsMessageLine(control)) board_.Layout().State().FontColor = color;
    if (!board_.Model().IsLoaded(control.family, control.index)) return;
    board_.Model().Edit(control).ForeColor = color;
    board_.Present();
}

void BoardPreferences::SetBackdrop(ControlId control, bool opaque, uint32_t color) {
    Control& label = board_.Model().Edit(control);
    label.BackTransparent = !opaque;
    label.BackColor = color;
    board_.Present();
}

void BoardPreferences::ApplySkin() {
    board_.SetCardSizePics();
    RepaintSkinnedWindows();
}

void BoardPreferences::RepaintSkinnedWindows() {
    for (Form* window : form_.findChildren<Form*>(Qt::FindDirectChildrenOnly))
        if (window->objectName() == QLatin1String("frmHold") ||
            window->objectName() == QLatin1String("frmChat"))
            PaintFormBackground(*window, profile_.BackgroundIdx, pictures_);
}

void BoardPreferences::ApplyFaceStyle() {
    if (IsRankStyle(game_.CardStyle)) {
        board_.LoadCardSkin();
        return;
    }
    clsDLL(pictures_).GetCardFaces(game_.CardStyle);
    board_.SaveCardBitmaps();
}

void BoardPreferences::ApplyBackDesign() {
    clsDLL(pictures_).GetCardBacks(profile_.BackDesign);
    board_.Present();
    form_.PicturesChanged();
    board_.GetImgHoldpic();
}

void BoardPreferences::backgrounds(int keyCode) {
    backgrounds_.backgrounds(keyCode);
}

void BoardPreferences::Redraw() {
    board_.Redraw();
}

QImage BoardPreferences::TablePicture(QSize size) {
    const auto file = ChosenBackgroundFile(game_, profile_);
    if (!file || size.isEmpty()) return {};
    const QImage& picture = table_.Load(*file);
    if (picture.isNull()) return {};
    return TableLook(picture, IsTiledBackground(file->filename().string()), size);
}

} // namespace zarle
