#include "platform/input/KeyCodes.h"

#include <QKeyEvent>

#include <array>
#include <utility>

namespace zarle {

namespace {

// Keys whose code is not simply their letter or digit.
constexpr std::array<std::pair<int, int>, 33> NamedKeys{{
    {Qt::Key_Backspace, 8},     {Qt::Key_Tab, 9},         {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},       {Qt::Key_Enter, 13},      {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},      {Qt::Key_Alt, 18},        {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},     {Qt::Key_Escape, 27},     {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},       {Qt::Key_PageDown, 34},   {Qt::Key_End, 35},
    {Qt::Key_Home, 36},         {Qt::Key_Left, 37},       {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},        {Qt::Key_Down, 40},       {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},       {Qt::Key_Semicolon, 186}, {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},        {Qt::Key_Comma, 188},     {Qt::Key_Minus, 189},
    {Qt::Key_Period, 190},      {Qt::Key_Slash, 191},     {Qt::Key_QuoteLeft, 192},
    {Qt::Key_BracketLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_BracketRight, 221},
}};

// The keypad's own codes: digits 96..105 and the operators.
int KeypadCode(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return 110;
    case Qt::Key_Slash: return 111;
    case Qt::Key_Enter: return 13;
    default: return 0;
    }
}

} // namespace

int VbKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (const int code = KeypadCode(qtKey)) return code;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    for (const auto& [key, code] : NamedKeys)
        if (key == qtKey) return code;
    return 0;
}

int VbKeyCode(const QKeyEvent& event) {
    return VbKeyCode(event.key(), event.modifiers());
}

int VbShift(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= ShiftMask;
    if (modifiers & Qt::ControlModifier) shift |= CtrlMask;
    if (modifiers & Qt::AltModifier) shift |= AltMask;
    return shift;
}

int VbKeyAscii(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1) return 0;
    const char16_t c = text.at(0).unicode();
    return c < 256 ? c : 0;
}

} // namespace zarle
