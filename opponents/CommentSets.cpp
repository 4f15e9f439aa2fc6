#include "CommentSets.h"

#include "CommentRecord.h"
#include "DataFiles.h"
#include "RecordFile.h"
#include "VbText.h"
#include "WholeFile.h"

#include <algorithm>

namespace zarle {

namespace fs = std::filesystem;

std::optional<CommentSetText> ReadCommentSetFile(const fs::path& file) {
    RecordFile set(file, CommentRecord::Size, RecordFile::Access::ReadOnly);
    if (!set.IsOpen()) return std::nullopt;
    CommentSetText lines;
    for (int n = 1; n <= CommentSetLines; ++n) lines[n - 1] = ReadRecord<CommentRecord>(set, n).Text;
    return lines;
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
