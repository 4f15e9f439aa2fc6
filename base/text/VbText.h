#pragma once
// Text conventions shared by the game's files, messages and captions:
// numbers as the game has always printed them, blank-only trimming,
// fixed-width single-byte record fields, CRLF line breaks and True = -1.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zarle {

inline constexpr std::string_view CRLF = "\r\n";
inline constexpr int16_t VbTrue = -1;
inline constexpr int16_t VbFalse = 0;

inline constexpr int16_t ToVbBool(bool b) {
    return b ? VbTrue : VbFalse;
}
// Any non-zero flag reads as true, whatever wrote it.
inline constexpr bool FromVbBool(int32_t v) {
    return v != 0;
}

// A number as text, one blank in front when it is 0 or more ("-3", " 7").
std::string Str(long long n);
// A number as text with no blank in front.
std::string CStr(long long n);

// The numeric prefix of a text: leading blanks, tabs and line breaks skipped, blanks inside the
// number ignored, "&H"/"&O" prefixes read as hex/octal; 0 when no number starts the text.
double Val(std::string_view text);
// Val rounded to the nearest 16-bit value (halves to even), clamped to the 16-bit range.
int16_t ValInt16(std::string_view text);

// Blanks (and only blanks) removed from either or both ends.
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);
std::string Trim(std::string_view text);

// Case-insensitive comparison of two texts (ASCII letters only).
bool EqualsNoCase(std::string_view a, std::string_view b);

// Latin-1 bytes <-> UTF-8 text. Characters outside Latin-1 become '?'.
std::string Latin1ToUtf8(std::string_view latin1);
std::string Utf8ToLatin1(std::string_view utf8);

// Fixed-width field of `width` single-byte characters. Reading: a field that starts with a NUL
// is empty, text stops at the first NUL, and blanks are trimmed from both ends.
std::string ReadFixedText(const uint8_t* field, size_t width);
// Writing: Latin-1, cut to `width`, padded with blanks.
void WriteFixedText(uint8_t* field, size_t width, std::string_view utf8);
// The text as a fixed-width field would hold it: cut to `width` characters and blank-padded.
std::string FixedWidth(std::string_view utf8, size_t width);

} // namespace zarle
