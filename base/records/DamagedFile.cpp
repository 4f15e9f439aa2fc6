#include "base/records/DamagedFile.h"

#include <system_error>

namespace zarle {

namespace fs = std::filesystem;

Damage DamageBySize(uintmax_t size, size_t recordLength, int64_t wholeRecords) {
    if (size == 0) return Damage::Empty;
    if (recordLength == 0) return Damage::None;
    if (size % recordLength != 0 || size / recordLength < uintmax_t(wholeRecords)) return Damage::CutShort;
    return Damage::None;
}

bool HasControlCharacters(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 || c == 0x7F) return true;
        // U+0080..U+009F, the C1 controls, are C2 80..C2 9F.
        if (c == 0xC2 && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            if (next >= 0x80 && next <= 0x9F) return true;
        }
    }
    return false;
}

DamagedCopy KeepDamagedCopy(const fs::path& file) {
    std::error_code error;
    const uintmax_t size = fs::file_size(file, error);
    if (error) return {};
    if (size > LargestDamagedCopy) return {std::nullopt, true};
    fs::path copy = file;
    copy += ".damaged";
    if (!fs::copy_file(file, copy, fs::copy_options::overwrite_existing, error)) return {};
    return {copy, false};
}

std::string DamageNotice(const fs::path& file, Damage damage, std::string_view done, const DamagedCopy& copy) {
    std::string what;
    switch (damage) {
    case Damage::Empty: what = "empty"; break;
    case Damage::CutShort: what = "cut short"; break;
    case Damage::Garbage: what = "damaged (it holds garbage)"; break;
    case Damage::OutOfRange: what = "damaged (it holds numbers out of range)"; break;
    case Damage::None: what = "in order"; break;
    }
    std::string text = file.string() + " is " + what + ". " + std::string(done);
    if (copy.Kept) text += " The damaged file was kept as " + copy.Kept->filename().string() + ".";
    if (copy.TooLarge)
        text += " No copy of the damaged file was kept: it is larger than " +
                std::to_string(LargestDamagedCopy / (1024 * 1024)) + " MB.";
    return text;
}

std::string Enumeration(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

std::string Sentences(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        if (!part.empty()) text += (text.empty() ? "" : " ") + part;
    return text;
}

void NoteDamagedFile(ProfileState& profile, const fs::path& file, std::string notice) {
    if (!profile.DamagedFilesSeen.insert(file.lexically_normal().string()).second) return;
    profile.DamageNotices.push_back(std::move(notice));
}

} // namespace zarle
