// The text helpers on text from outside (record fields, network lines, typed names): numbers read
// as finite values, Latin-1 survives a trip through UTF-8, fixed-width fields keep their width,
// and trimming and upper-casing never grow or break the text.

#include "base/records/DamagedFile.h"
#include "persistence/profiles/ProfileText.h"
#include "base/text/VbText.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarle;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    Check(std::isfinite(Val(text)));
    ValInt16(text);
    long long n = 0;
    for (size_t i = 0; i < size && i < 6; ++i) n = n * 256 + data[i];
    if (size > 0 && data[0] & 1) n = -n;
    Check(Val(Str(n)) == double(n) && Val(CStr(n)) == double(n));

    // Every byte is a Latin-1 character.
    const std::string utf8 = Latin1ToUtf8(text);
    Check(Utf8ToLatin1(utf8) == text);
    Check(Latin1ToUtf8(Utf8ToLatin1(text)).size() <= 2 * size);

    const std::string trimmed = Trim(text);
    Check(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
    Check(LTrim(text).size() <= size && RTrim(text).size() <= size);
    Check(Upper(text).size() == size);
    EqualsNoCase(text, utf8);
    HasControlCharacters(text);

    constexpr size_t Width = 20;
    Check(Utf8ToLatin1(FixedWidth(text, Width)).size() == Width);
    std::array<uint8_t, Width> field{};
    WriteFixedText(field.data(), field.size(), text);
    const std::string back = ReadFixedText(field.data(), field.size());
    Check(Utf8ToLatin1(back).size() <= Width);
    ReadFixedText(data, size < 100 ? size : 100);
    return 0;
}
