#pragma once
// Cuts one connection's byte stream into lines. Each socket has its own framer, so one socket's
// partial line never disturbs another's.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zarle {

inline constexpr size_t MaxLineLength = 64 * 1024;

class LineFramer {
  public:
    // The lines completed by this arrival, in order, without their line feeds. False when a line
    // grew past MaxLineLength: the connection is to be dropped.
    bool Append(std::string_view bytes, std::vector<std::string>& lines);

    enum class Cut { Line, Partial, TooLong };
    // One line at a time off the front of `bytes`, which keeps what follows it: Line when one was
    // completed (into `line`), Partial when the bytes ran out first (they are held for the next
    // arrival), TooLong when the line grew past MaxLineLength.
    Cut Next(std::string_view& bytes, std::string& line);
    void Clear() { partial_.clear(); }
    bool HasPartial() const { return !partial_.empty(); }

  private:
    std::string partial_;
};

} // namespace zarle
