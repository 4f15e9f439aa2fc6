#include "tests/support/engine/FakeBoard.h"

#include <cstdio>

namespace zarle::testing {

namespace {

std::string PileName(Pics pics, int index) {
    return std::string(PicsName(pics)) + "(" + std::to_string(index) + ")";
}

bool IsArray(Ctl family) {
    switch (family) {
    case Ctl::Picture7:
    case Ctl::Picture1:
    case Ctl::Picture2:
    case Ctl::Picture3:
    case Ctl::PicCenter:
    case Ctl::Label9:
    case Ctl::LblWild:
    case Ctl::Label3:
    case Ctl::Stack: return true;
    default: return false;
    }
}

std::string Hex(uint32_t color) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "&H%X", color);
    return buffer;
}

} // namespace

std::string FakeBoard::Name(ControlId control) {
    std::string name = ControlName(control.family);
    if (IsArray(control.family)) name += "(" + std::to_string(control.index) + ")";
    return name;
}

void FakeBoard::SetCaption(ControlId control, std::string_view text) {
    Captions[Name(control)] = std::string(text);
    t_.Add(Name(control) + " = " + Quoted(text));
}

void FakeBoard::SetVisible(ControlId control, bool visible) {
    Visible[Name(control)] = visible;
    t_.Add((visible ? "Show " : "Hide ") + Name(control));
}

void FakeBoard::SetEnabled(ControlId control, bool enabled) {
    t_.Add((enabled ? "Enable " : "Disable ") + Name(control));
}

void FakeBoard::SetBackColor(ControlId control, uint32_t color) {
    t_.Add("BackColor " + Name(control) + " = " + Hex(color));
}

void FakeBoard::SetToolTip(ControlId control, std::string_view text) {
    t_.Add("ToolTip " + Name(control) + " = " + Quoted(text));
}

void FakeBoard::SetBorderStyle(ControlId control, int style) {
    t_.Add("BorderStyle " + Name(control) + " = " + std::to_string(style));
}

void FakeBoard::SetFontSize(ControlId control, int points) {
    fontSizes_[Name(control)] = points;
    t_.Add("FontSize " + Name(control) + " = " + std::to_string(points));
}

int FakeBoard::FontSize(ControlId control) {
    const auto found = fontSizes_.find(Name(control));
    return found == fontSizes_.end() ? 10 : found->second;
}

void FakeBoard::ClearPicture(ControlId control) {
    t_.Add("ClearPicture " + Name(control));
}
void FakeBoard::Refresh(ControlId control) {
    t_.Add("Refresh " + Name(control));
}
void FakeBoard::BringToFront(ControlId control) {
    t_.Add("ZOrder " + Name(control));
}

void FakeBoard::MoveTo(ControlId control, int left, int top) {
    t_.Add("MoveTo " + Name(control) + " " + std::to_string(left) + "," + std::to_string(top));
}

void FakeBoard::SetPanelText(int panel, std::string_view text) {
    t_.Add("Panel(" + std::to_string(panel) + ") = " + Quoted(text));
}

void FakeBoard::SetPanelToolTip(int panel, std::string_view text) {
    t_.Add("PanelToolTip(" + std::to_string(panel) + ") = " + Quoted(text));
}

void FakeBoard::ShowCard(Pics pics, int index, int card, int mode) {
    t_.Add("ShowCard " + PileName(pics, index) + " id=" + std::to_string(card) +
           " mode=" + std::to_string(mode));
}

void FakeBoard::AnimateCard(Pics srcPics, int srcIndex, Pics dstPics, int dstIndex) {
    t_.Add("AnimateCard " + PileName(srcPics, srcIndex) + " -> " + PileName(dstPics, dstIndex));
}

void FakeBoard::DealCardFlight(Pics pics, int slot, int card, int mode) {
    t_.Add("DealCard " + PileName(pics, slot) + " id=" + std::to_string(card) +
           " mode=" + std::to_string(mode));
}

void FakeBoard::EnablePic(Pics pics, bool enable, int first, int last) {
    t_.Add(std::string("EnablePic ") + PicsName(pics) + (enable ? " True " : " False ") +
           std::to_string(first) + " " + std::to_string(last));
}

bool FakeBoard::IsFormLoaded(std::string_view formName) {
    return LoadedForms.count(std::string(formName)) != 0;
}

void FakeBoard::UnloadForm(std::string_view formName) {
    LoadedForms.erase(std::string(formName));
    t_.Add("Unload " + std::string(formName));
}

} // namespace zarle::testing
