#include "base/text/VbText.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace zarle;

TEST(VbText, StrPutsOneBlankBeforeNonNegativeNumbers) {
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(26), " 26");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(CStr(7), "7");
    EXPECT_EQ("Rules:" + Str(20) + " cards", "Rules: 20 cards");
}

TEST(VbText, ValIsLenient) {
    struct Case {
        const char* text;
        double value;
    };
    const std::array<Case, 17> cases{{
        {"", 0},
        {"abc", 0},
        {" 12", 12},
        {"\t\r\n 7#", 7},
        {"1 2 3", 123},
        {"-5", -5},
        {" -5#12#", -5},
        {"12abc", 12},
        {".5", 0.5},
        {"3.25x", 3.25},
        {"1e3", 1000},
        {"1e", 1},
        {"+", 0},
        {"--5", 0},
        {"&H10", 16},
        {"&HFFFF", -1},
        {"&O17", 15},
    }};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

// A number too large for a double reads as 0 whatever its radix, never as infinity.
TEST(VbText, ValGivesZeroForANumberBeyondADouble) {
    const std::array<std::string, 4> texts{std::string(400, '9'), "1e999", "&H" + std::string(300, 'F'),
                                           "&O" + std::string(400, '7')};
    for (const auto& text : texts) {
        EXPECT_EQ(Val(text), 0) << text.substr(0, 8);
        EXPECT_EQ(ValInt16(text), 0) << text.substr(0, 8);
    }
}

TEST(VbText, ValInt16RoundsHalvesToEvenAndClamps) {
    EXPECT_EQ(ValInt16("2.5"), 2);
    EXPECT_EQ(ValInt16("3.5"), 4);
    EXPECT_EQ(ValInt16("99999"), 32767);
    EXPECT_EQ(ValInt16("-99999"), -32768);
    EXPECT_EQ(ValInt16("x"), 0);
}

TEST(VbText, TrimRemovesBlanksOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(LTrim("  x "), "x ");
    EXPECT_EQ(RTrim("  x "), "  x");
    EXPECT_EQ(Trim("    "), "");
}

TEST(VbText, FixedFieldsPadTrimAndTreatNulAsEnd) {
    std::array<uint8_t, 8> field{};
    WriteFixedText(field.data(), field.size(), "Zarle");
    EXPECT_EQ(std::string(field.begin(), field.end()), "Zarle   ");
    EXPECT_EQ(ReadFixedText(field.data(), field.size()), "Zarle");

    WriteFixedText(field.data(), field.size(), "a much longer name");
    EXPECT_EQ(std::string(field.begin(), field.end()), "a much l");

    field = {0, 'a', 'b', 'c', ' ', ' ', ' ', ' '};
    EXPECT_EQ(ReadFixedText(field.data(), field.size()), "");
    field = {' ', 'a', 'b', 0, 'x', 'x', 'x', 'x'};
    EXPECT_EQ(ReadFixedText(field.data(), field.size()), "ab");
}

TEST(VbText, FixedFieldsAreLatin1) {
    std::array<uint8_t, 6> field{};
    WriteFixedText(field.data(), field.size(), "Jos\xC3\xA9\xE2\x82\xAC"); // José€
    EXPECT_EQ(field[3], 0xE9);
    EXPECT_EQ(field[4], '?');
    EXPECT_EQ(ReadFixedText(field.data(), field.size()), "Jos\xC3\xA9?");
    EXPECT_EQ(FixedWidth("ab", 4), "ab  ");
}

// A character written with more bytes than it needs is no character: a line feed hidden that way
// must never come out as one, and a broken sequence never takes the line feed after it along.
TEST(VbText, OverlongUtf8IsNoCharacter) {
    EXPECT_EQ(Utf8ToLatin1("a\xC0\x8A" "b"), "a?b");
    EXPECT_EQ(Utf8ToLatin1("\xE0\x80\x8A\xF0\x80\x80\x8A"), "??");
    EXPECT_EQ(Utf8ToLatin1("\xC3\xA9"), "\xE9");
    EXPECT_EQ(Utf8ToLatin1("ab\xD0\n"), "ab?\n") << "a broken sequence never swallows a line feed";
}

TEST(VbText, BooleansAndLineBreaks) {
    EXPECT_EQ(ToVbBool(true), -1);
    EXPECT_EQ(ToVbBool(false), 0);
    EXPECT_TRUE(FromVbBool(1));
    EXPECT_EQ(std::string("a") + std::string(CRLF) + "b", "a\r\nb");
    EXPECT_TRUE(EqualsNoCase("ZARLE", "zarle"));
    EXPECT_FALSE(EqualsNoCase("Zarle", "Zarl"));
}
