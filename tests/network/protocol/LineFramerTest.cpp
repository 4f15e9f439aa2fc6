// Framing: complete lines at once and in order, partial lines kept per socket, long lines refused.

#include "network/protocol/LineFramer.h"

#include <gtest/gtest.h>

namespace zarle {
namespace {

using Lines = std::vector<std::string>;

TEST(LineFramerTest, CutsArrivalsIntoWholeLines) {
    LineFramer f;
    Lines lines;
    ASSERT_TRUE(f.Append("OK\nOK\nPC  3# 2\n", lines));
    EXPECT_EQ(lines, (Lines{"OK", "OK", "PC  3# 2"}));

    lines.clear();
    ASSERT_TRUE(f.Append("PC  3", lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(f.HasPartial());
    ASSERT_TRUE(f.Append("# 2\nW", lines));
    EXPECT_EQ(lines, (Lines{"PC  3# 2"}));
    ASSERT_TRUE(f.Append("T\n", lines));
    EXPECT_EQ(lines, (Lines{"PC  3# 2", "WT"}));
}

TEST(LineFramerTest, OneSocketsPartialLineNeverDisturbsAnothers) {
    LineFramer one, two;
    Lines a, b;
    one.Append("DK  1#", a);
    two.Append("PC  2", b);
    one.Append(" 2#\n", a);
    two.Append("# 1\n", b);
    EXPECT_EQ(a, (Lines{"DK  1# 2#"}));
    EXPECT_EQ(b, (Lines{"PC  2# 1"}));
}

TEST(LineFramerTest, ALineLongerThanTheLimitEndsTheConnection) {
    LineFramer f;
    Lines lines;
    const std::string half(MaxLineLength / 2 + 1, 'x');
    EXPECT_TRUE(f.Append(half, lines));
    EXPECT_FALSE(f.Append(half, lines));
    EXPECT_FALSE(f.HasPartial());
    EXPECT_TRUE(f.Append(std::string(MaxLineLength, 'y') + "\n", lines)); // exactly at the limit
    EXPECT_EQ(lines.size(), 1u);
}

} // namespace
} // namespace zarle
