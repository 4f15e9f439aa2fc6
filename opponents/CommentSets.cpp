#include "opponents/CommentSets.h"

#include "base/records/CommentRecord.h"
#include "opponents/DataFiles.h"
#include "base/records/RecordFile.h"
#include "base/text/VbText.h"
#include "base/records/WholeFile.h"

#include <algorithm>
#include <system_error>

namespace zarle {

namespace fs = std::filesystem;

std::optional<CommentSetRead> ReadCommentSetFile(const fs::path& file) {
    RecordFile set(file, CommentRecord::Size, RecordFile::Access::ReadOnly);
    if (!set.IsOpen()) return std::nullopt;
    std::error_code error;
    const uintmax_t size = fs::file_size(file, error);
    if (error) return std::nullopt;
    CommentSetRead read;
    bool garbage = false;
    for (int n = 1; n <= CommentSetLines; ++n) {
        std::string line = ReadRecord<CommentRecord>(set, n).Text;
        if (!set.Error().empty()) return std::nullopt;
        if (HasControlCharacters(line)) {
            garbage = true;
            line.clear();
        }
        read.Lines[n - 1] = std::move(line);
    }
    read.Found = DamageBySize(size, CommentRecord::Size, CommentSetLines);
    if (read.Found == Damage::None && garbage) read.Found = Damage::Garbage;
    return read;
}

std::string WriteCommentSetFile(const fs::path& file, const CommentSetText& lines) {
    std::vector<uint8_t> bytes;
    for (const std::string& line : lines) {
        const auto record = CommentRecord{line}.Encode();
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return ReplaceFile(file, bytes);
}

int FirstOverlongLine(const CommentSetText& lines) {
    const auto longer = std::ranges::find_if(
        lines, [](const std::string& line) { return Utf8ToLatin1(line).size() > CommentLineWidth; });
    return longer == lines.end() ? 0 : static_cast<int>(longer - lines.begin()) + 1;
}

std::string CommentSetName(std::string_view typed) {
    const size_t n = CommentSetExtension.size();
    if (typed.size() >= n && EqualsNoCase(typed.substr(typed.size() - n), CommentSetExtension))
        typed.remove_suffix(n);
    return std::string(typed);
}

std::optional<fs::path> CommentSetPath(const fs::path& programFolder, std::string_view name) {
    if (!IsPlainFileName(name) || Trim(name).empty()) return std::nullopt;
    return programFolder / "users" / (std::string(name) + std::string(CommentSetExtension));
}

} // namespace zarle
