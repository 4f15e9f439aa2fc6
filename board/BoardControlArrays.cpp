#include "board/BoardControlArrays.h"

#include "board/CardMarker.h"

#include "platform/controls/CommandButton.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Shape.h"
#include "platform/controls/StatusBar.h"

#include <memory>

namespace zarle {

namespace {

constexpr Ctl PictureBoxes[] = {Ctl::Picture7, Ctl::Picture1,  Ctl::Picture2,
                                Ctl::Picture3, Ctl::PicCenter, Ctl::picPanel};
constexpr Ctl Labels[] = {Ctl::Label9,    Ctl::LblWild,  Ctl::Label3,   Ctl::Label1,    Ctl::Label10,
                          Ctl::LabelPeek, Ctl::lblRules, Ctl::lblLevel, Ctl::StatusMsg, Ctl::lblHoldCard};
constexpr Ctl Images[] = {Ctl::ImgHold,  Ctl::ImgAvatar, Ctl::imgSlap, Ctl::ImgTurn1,
                          Ctl::ImgTurn2, Ctl::imgIcon,   Ctl::imgMenu};

} // namespace

template <class T> void BoardControlArrays::Add(Ctl family, QWidget& form) {
    auto array = std::make_shared<ControlArray<T>>(QString::fromLatin1(ControlName(family)), &form);
    families_[family] = Family{
        [array](int i) -> QWidget* { return &array->Load(i); },
        [array](int i) { array->Unload(i); },
        [array](int i) -> QWidget* { return array->At(i); },
    };
}

BoardControlArrays::BoardControlArrays(QWidget& form) {
    for (const Ctl family : PictureBoxes) Add<PictureBox>(family, form);
    for (const Ctl family : Labels) Add<Label>(family, form);
    for (const Ctl family : Images) Add<ImageBox>(family, form);
    Add<CardMarker>(Ctl::lblHighlight, form);
    Add<Shape>(Ctl::Stack, form);
    Add<CommandButton>(Ctl::Command2, form);
    Add<StatusBar>(Ctl::StatusBar1, form);
}

bool BoardControlArrays::DrawnOnForm(Ctl family) {
    if (Overlay(family)) return false;
    for (const Ctl label : Labels)
        if (label == family) return true;
    for (const Ctl image : Images)
        if (image == family) return true;
    return family == Ctl::Stack;
}

bool BoardControlArrays::Overlay(Ctl family) {
    return family == Ctl::StatusMsg || family == Ctl::lblHighlight;
}

QWidget* BoardControlArrays::Load(ControlId id) {
    const auto found = families_.find(id.family);
    return found == families_.end() ? nullptr : found->second.load(id.index);
}

void BoardControlArrays::Unload(ControlId id) {
    const auto found = families_.find(id.family);
    if (found != families_.end()) found->second.unload(id.index);
}

QWidget* BoardControlArrays::At(ControlId id) const {
    const auto found = families_.find(id.family);
    return found == families_.end() ? nullptr : found->second.at(id.index);
}

} // namespace zarle
