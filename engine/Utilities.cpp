#include "engine/Utilities.h"

#include "base/records/RecordFile.h"
#include "base/text/VbText.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace zarle {

namespace {

namespace fs = std::filesystem;

constexpr size_t TextStoreRecordLength = 100;

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Wildcard match without regard to case: * any run of characters, ? any one character.
bool Matches(std::string_view pattern, std::string_view name) {
    size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

} // namespace

void OpenBrowser(MessageBoxPort& box, const std::function<bool(std::string_view)>& launch,
                 std::string_view address) {
    if (!launch(address)) box.MsgBox("Unable to launch default browser", MbOkOnly, "");
}

bool FileExists(std::string_view path) {
    std::string normal(path);
    for (char& c : normal) {
        if (c == '\\') c = '/';
    }
    if (normal.empty()) return false;
    const fs::path full(normal);
    std::error_code error;
    if (normal.find_first_of("*?") == std::string::npos && fs::exists(full, error)) return true;
    const fs::path folder = full.has_parent_path() ? full.parent_path() : fs::path(".");
    const std::string pattern = full.filename().string();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (Matches(pattern, it->path().filename().string())) return true;
    }
    return false;
}

bool BadFileNameChars(MessageBoxPort& box, std::string_view name) {
    static constexpr std::string_view forbidden = "!\"*./:<>?\\|";
    for (char c : forbidden) {
        if (name.find(c) == std::string_view::npos) continue;
        const std::string crlf(CRLF);
        box.MsgBox("Please do not use the following characters:  " + crlf + crlf + "/ \\ : * . ? ! < > | \"" +
                       crlf + crlf + "Please re-enter.",
                   MbExclamation, "Non-standard filename character");
        return true;
    }
    return false;
}

std::string ReadDataText(std::string_view appPath, int first, int last) {
    RecordFile store(fs::path(std::string(appPath)) / "Data" / "snack.ade", TextStoreRecordLength,
                     RecordFile::Access::ReadOnly);
    if (!store.IsOpen()) return "";
    std::string text;
    for (int n = first; n <= last; ++n) {
        const auto record = store.Read(n);
        text += ReadFixedText(record.data(), TextStoreRecordLength) + " ";
    }
    return text;
}

} // namespace zarle
