#pragma once
// The chat window's log: every line sent and received, kept while the window is closed, cut to
// its last 3700 characters once it passes 4000.

#include <functional>
#include <string>
#include <string_view>

namespace zarle {

inline constexpr size_t ChatLogLimit = 4000;
inline constexpr size_t ChatLogKept = 3700;

class ChatLog {
  public:
    // A line break and the line.
    void AddLine(std::string_view line);
    // Text as it is (the host's own addresses are written as one block).
    void Set(std::string text);
    const std::string& Text() const { return text_; }
    // Called after every change.
    std::function<void()> Changed;

  private:
    void Cap();
    std::string text_;
};

} // namespace zarle
