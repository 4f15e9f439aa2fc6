#pragma once
// The numbers of a game list, each followed by "#": written in order, and read in order with each
// number checked against its range.

#include "base/text/VbText.h"

#include <string>
#include <utility>
#include <vector>

namespace zarle {

class ListWriter {
  public:
    void Add(int n) { text_ += Str(n) + "#"; }
    std::string Text() && { return std::move(text_); }

  private:
    std::string text_;
};

// Once a number is missing or out of its range the list is no good: Ok() stays false.
class ListNumberReader {
  public:
    explicit ListNumberReader(std::vector<int> numbers) : n_(std::move(numbers)) {}

    bool Ok() const { return ok_; }
    bool AtEnd() const { return pos_ == n_.size(); }
    int Next(int low, int high) {
        if (pos_ >= n_.size()) return Fail();
        const int v = n_[pos_++];
        return v < low || v > high ? Fail() : v;
    }
    // Takes the next number when it is 0.
    bool SkipZero() {
        if (pos_ >= n_.size() || n_[pos_] != 0) return false;
        ++pos_;
        return true;
    }
    int Fail() {
        ok_ = false;
        return 0;
    }

  private:
    std::vector<int> n_;
    size_t pos_ = 0;
    bool ok_ = true;
};

} // namespace zarle
