#include "tools/content/TextSheet.h"

#include "base/text/VbText.h"

#include <algorithm>
#include <charconv>
#include <fstream>

namespace zarle::content {

namespace {

std::vector<std::pair<int, std::string>> ReadNotedLines(const std::filesystem::path& path) {
    std::ifstream in(path);
    if (!in) throw ContentError(path.string() + ": cannot be read");
    std::vector<std::pair<int, std::string>> lines;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == '#') continue;
        lines.emplace_back(number, trimmed);
    }
    return lines;
}

std::string Where(const std::filesystem::path& path, int line) {
    return path.string() + ":" + std::to_string(line);
}

bool IsNumber(std::string_view key, int& n) {
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), n);
    return error == std::errc() && end == key.data() + key.size();
}

} // namespace

TextSheet TextSheet::Load(const std::filesystem::path& path) {
    TextSheet sheet;
    sheet.path_ = path;
    for (const auto& [number, line] : ReadNotedLines(path)) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos) throw ContentError(Where(path, number) + ": expected \"key: text\"");
        std::string key = Trim(line.substr(0, colon));
        std::string text = Trim(line.substr(colon + 1));
        CheckText(text, 0, Where(path, number));
        if (!sheet.entries_.emplace(key, std::move(text)).second)
            throw ContentError(Where(path, number) + ": \"" + key + "\" given twice");
    }
    return sheet;
}

const std::string& TextSheet::Text(std::string_view key) const {
    const auto found = entries_.find(key);
    if (found == entries_.end())
        throw ContentError(path_.string() + ": \"" + std::string(key) + "\" is missing");
    return found->second;
}

std::string TextSheet::LineOrBlank(int n) const {
    const auto found = entries_.find(std::to_string(n));
    return found == entries_.end() ? std::string() : found->second;
}

std::vector<int> TextSheet::Numbers() const {
    std::vector<int> numbers;
    for (const auto& entry : entries_)
        if (int n; IsNumber(entry.first, n)) numbers.push_back(n);
    std::ranges::sort(numbers);
    return numbers;
}

std::vector<std::string> LoadLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    for (auto& [number, line] : ReadNotedLines(path)) {
        CheckText(line, 0, Where(path, number));
        lines.push_back(std::move(line));
    }
    return lines;
}

void CheckText(const std::string& text, size_t width, const std::string& where) {
    if (!std::ranges::all_of(text, [](char c) { return c >= ' ' && c <= '~'; }))
        throw ContentError(where + ": only plain ASCII characters are stored");
    if (width > 0 && text.size() > width)
        throw ContentError(where + ": " + std::to_string(text.size()) + " characters, at most " +
                           std::to_string(width) + " fit");
}

} // namespace zarle::content
