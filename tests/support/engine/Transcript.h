#pragma once
// One running record of everything the engine asked of the outside world, in order: texts shown,
// sounds played, waits, boxes and network messages. Line breaks in texts read as \r and \n.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zarle::testing {

class Transcript {
  public:
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }

    // The lines that start with any of the prefixes, in order.
    std::vector<std::string> Starting(std::initializer_list<std::string_view> prefixes) const;
    // The lines that contain the text.
    std::vector<std::string> Containing(std::string_view text) const;
    bool Has(std::string_view line) const;
    // Everything, one line each, for failure messages.
    std::string Dump() const;

  private:
    std::vector<std::string> lines_;
};

// A text as the transcript shows it: quoted, with CR and LF written as \r and \n.
std::string Quoted(std::string_view text);
// A number of seconds as the transcript shows it (0.6, 2, 0.02).
std::string Seconds(float seconds);

} // namespace zarle::testing
