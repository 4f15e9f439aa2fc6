#pragma once
// The game's texts as we write them: readable files of "key: text" lines. Blank lines and lines
// starting with "#" are notes for the writer and are skipped.

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zarle::content {

// A text source that cannot become the file the program reads; says which file and line.
class ContentError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TextSheet {
  public:
    static TextSheet Load(const std::filesystem::path& path);

    // The text of `key`; a missing key is an error.
    const std::string& Text(std::string_view key) const;
    // The text of line `n` (key "n"); a missing line is an error.
    const std::string& Line(int n) const { return Text(std::to_string(n)); }
    // Line n, or "" when the sheet leaves it out.
    std::string LineOrBlank(int n) const;
    // Every numbered key, in order.
    std::vector<int> Numbers() const;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
    std::map<std::string, std::string, std::less<>> entries_;
};

// The lines of a plain text file, skipping blank lines and "#" notes.
std::vector<std::string> LoadLines(const std::filesystem::path& path);

// Refuses text the game's single-byte files cannot hold as written: anything but printable ASCII,
// or more than `width` characters (0: no limit). `where` names the text in the message.
void CheckText(const std::string& text, size_t width, const std::string& where);

} // namespace zarle::content
