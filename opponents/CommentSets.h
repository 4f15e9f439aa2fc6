#pragma once
// Comment sets as the comment-set editor reads and writes them: twenty lines of at most 100
// characters in users/<set>.cmt. A set's name is a bare file name in users/; anything else is
// refused before a path is made from it.

#include "base/records/DamagedFile.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zarle {

inline constexpr int CommentSetLines = 20;
inline constexpr size_t CommentLineWidth = 100;
inline constexpr std::string_view CommentSetExtension = ".cmt";

using CommentSetText = std::array<std::string, CommentSetLines>;

// A comment set as read, with the damage found: a file of other than twenty records, or lines
// that are not text.
struct CommentSetRead {
    CommentSetText Lines;
    Damage Found = Damage::None;
};

// Lines 1..20 of a comment-set file anywhere (a set may be opened from another folder); missing
// records and lines that are not text read as empty lines, lines after the twentieth are never
// read. Nothing when the file cannot be opened or read.
std::optional<CommentSetRead> ReadCommentSetFile(const std::filesystem::path& file);

// The twenty lines as the file's records, each blank-padded to 100 characters, written whole in
// place of the file; "" when written, else the error (the file is then as it was).
std::string WriteCommentSetFile(const std::filesystem::path& file, const CommentSetText& lines);

// The first line (1..20) longer than 100 characters as the file keeps them, 0 when none is.
int FirstOverlongLine(const CommentSetText& lines);

// The set's name from what was typed: a trailing ".cmt" (in any case) cut off once.
std::string CommentSetName(std::string_view typed);

// users/<name>.cmt, or nothing when the name is no bare file name.
std::optional<std::filesystem::path> CommentSetPath(const std::filesystem::path& programFolder,
                                                    std::string_view name);

} // namespace zarle
