#include "platform/input/KeyCodes.h"

#include <gtest/gtest.h>

#include <array>

using namespace zarle;

TEST(KeyCodes, QtKeysGetTheirVirtualKeyCodes) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        int code;
    };
    const std::array<Case, 16> cases{{
        {Qt::Key_F2, Qt::NoModifier, 113},
        {Qt::Key_F12, Qt::NoModifier, 123},
        {Qt::Key_A, Qt::ShiftModifier, 65},
        {Qt::Key_Z, Qt::NoModifier, 90},
        {Qt::Key_5, Qt::NoModifier, 53},
        {Qt::Key_0, Qt::KeypadModifier, 96},
        {Qt::Key_9, Qt::KeypadModifier, 105},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Return, Qt::NoModifier, 13},
        {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_Backspace, Qt::NoModifier, 8},
        {Qt::Key_Up, Qt::NoModifier, 38},
        {Qt::Key_Home, Qt::KeypadModifier, 36},
        {Qt::Key_Equal, Qt::NoModifier, 187},
        {Qt::Key_Alt, Qt::AltModifier, 18},
        {Qt::Key_unknown, Qt::NoModifier, 0},
    }};
    for (const Case& c : cases) EXPECT_EQ(VbKeyCode(c.key, c.modifiers), c.code) << std::hex << c.key;
}

TEST(KeyCodes, ShiftArgumentBits) {
    EXPECT_EQ(VbShift(Qt::NoModifier), 0);
    EXPECT_EQ(VbShift(Qt::ShiftModifier), 1);
    EXPECT_EQ(VbShift(Qt::ControlModifier | Qt::ShiftModifier), 3);
    EXPECT_EQ(VbShift(Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::KeypadModifier), 7);
}
