#include "base/text/VbText.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace zarle {

std::string Str(long long n) {
    return n >= 0 ? " " + std::to_string(n) : std::to_string(n);
}

std::string CStr(long long n) {
    return std::to_string(n);
}

namespace {

bool IsLeadingSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

double ValRadix(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else if (c == ' ')
            continue;
        else
            break;
        if (d >= radix) break;
        value = value * radix + d;
    }
    // Hex and octal literals are 16-bit when they fit there, as the old runtime read them.
    if (value <= 0xFFFF && value > 0x7FFF) value -= 0x10000;
    // Too many digits for a double count for nothing, as a decimal number that long does.
    return std::isfinite(value) ? value : 0;
}

} // namespace

double Val(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsLeadingSpace(text[i])) ++i;
    if (i + 1 < text.size() && text[i] == '&') {
        char r = static_cast<char>(text[i + 1] | 0x20);
        if (r == 'h') return ValRadix(text.substr(i + 2), 16);
        if (r == 'o') return ValRadix(text.substr(i + 2), 8);
    }
    // Collect the number without its inner blanks, then let the C library read it.
    std::string number;
    bool digits = false, point = false, exponent = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == ' ' || c == '\t') continue;
        if (c >= '0' && c <= '9') {
            number += c;
            digits = true;
        } else if ((c == '+' || c == '-') && (number.empty() || number.back() == 'e')) {
            number += c;
        } else if (c == '.' && !point && !exponent) {
            number += c;
            point = true;
        } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && digits && !exponent) {
            number += 'e';
            exponent = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    if (number.back() == 'e' || number.back() == '+' || number.back() == '-') {
        // An exponent with no digits counts for nothing.
        while (!number.empty() && !(number.back() >= '0' && number.back() <= '9')) number.pop_back();
    }
    double v = std::strtod(number.c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

int16_t ValInt16(std::string_view text) {
    double v = std::nearbyint(Val(text)); // the default rounding mode sends halves to even
    v = std::clamp(v, double(std::numeric_limits<int16_t>::min()),
                   double(std::numeric_limits<int16_t>::max()));
    return static_cast<int16_t>(v);
}

std::string LTrim(std::string_view text) {
    size_t b = text.find_first_not_of(' ');
    return b == std::string_view::npos ? std::string() : std::string(text.substr(b));
}

std::string RTrim(std::string_view text) {
    size_t e = text.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string() : std::string(text.substr(0, e + 1));
}

std::string Trim(std::string_view text) {
    return RTrim(LTrim(text));
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out += char(c);
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = utf8[i];
        size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
        if (i + len > utf8.size()) len = 1;
        if (len == 1) {
            out += c < 0x80 ? char(c) : '?';
        } else {
            unsigned code = c & (0x7F >> len);
            bool valid = true;
            for (size_t k = 1; k < len; ++k) {
                unsigned char cc = utf8[i + k];
                valid = valid && (cc >> 6) == 0x2;
                code = (code << 6) | (cc & 0x3F);
            }
            // A broken sequence stands for its first byte only: what follows it (a line feed,
            // say) is read on its own.
            if (!valid) len = 1;
            // A character written with more bytes than it needs (a hidden line feed) is none.
            const unsigned shortest = len == 2 ? 0x80 : len == 3 ? 0x800 : 0x10000;
            out += (valid && code >= shortest && code <= 0xFF) ? char(code) : '?';
        }
        i += len;
    }
    return out;
}

std::string ReadFixedText(const uint8_t* field, size_t width) {
    const auto* chars = reinterpret_cast<const char*>(field);
    size_t len = strnlen(chars, width);
    return Latin1ToUtf8(Trim(std::string_view(chars, len)));
}

void WriteFixedText(uint8_t* field, size_t width, std::string_view utf8) {
    std::string bytes = Utf8ToLatin1(utf8);
    bytes.resize(width, ' ');
    std::memcpy(field, bytes.data(), width);
}

std::string FixedWidth(std::string_view utf8, size_t width) {
    std::string bytes = Utf8ToLatin1(utf8);
    bytes.resize(width, ' ');
    return Latin1ToUtf8(bytes);
}

} // namespace zarle
