#include "platform/dialogs/CommonDialog.h"
#include "platform/shell/Browser.h"

#include "tests/platform/QtPrinting.h"

#include <gtest/gtest.h>

#include <array>

using namespace zarle;

TEST(CommonDialog, FiltersInTheFileDialogsNotation) {
    const std::array<std::pair<const char*, const char*>, 5> cases{{
        {"Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp", "Pictures (*.jpg *.gif *.bmp)"},
        {"Wav Sounds (*.wav)|*.wav", "Wav Sounds (*.wav)"},
        {"Comment Files|*.cmt|All Files (*.*)|*.*", "Comment Files (*.cmt);;All Files (*.*)"},
        {"Broken|", ""},
        {"", ""},
    }};
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(FileDialogFilter(filter), QString(expected)) << filter;
}

TEST(Browser, OpensOnlyWebPages) {
    for (const char* address :
         {"/etc/passwd", "file:///etc/passwd", "C:\\Windows\\notepad.exe", "", "mailto:x@y"})
        EXPECT_FALSE(OpenUrlInBrowser(address)) << address;
}
