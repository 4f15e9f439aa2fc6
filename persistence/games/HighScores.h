#pragma once
// The ranked lists of best runs in Data/highscore.ran: records 1..10 the best runs ranked by
// their totals, records 11..20 the best side runs ranked by their side cards, best first.

#include "base/records/HighScoreRecord.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zarle {

inline constexpr int RunListFirst = 1;
inline constexpr int RunListLast = 10;
inline constexpr int SideListFirst = 11;
inline constexpr int SideListLast = 20;
inline constexpr std::string_view ComputerName = "Zarle";

// An entry the game could have written: empty, or a date, a name that is text and card counts
// within a deck.
bool IsReadableEntry(const HighScoreRecord& entry);

// Puts the entry into the list at the first place whose entry ranks below it (an equal entry
// ranks below the new one, except in the side list an equal side count with a larger total);
// the last entry drops out. False when every entry ranks above it.
bool EnterRanked(std::vector<HighScoreRecord>& list, bool sideList, const HighScoreRecord& entry);
// Takes out the first entry of that name; the later ones move up and an empty entry ends the list.
void RemoveFirstNamed(std::vector<HighScoreRecord>& list, std::string_view name);

class HighScoreFile {
  public:
    explicit HighScoreFile(std::filesystem::path path) : path_(std::move(path)) {}
    // Records first..last; empty entries where the file has none. A record cut short or that is
    // not readable is left out, and the entries after it move up.
    std::vector<HighScoreRecord> Read(int first, int last) const;
    // The entries from record `first` on, in one write; the error, "" when written.
    std::string Write(int first, const std::vector<HighScoreRecord>& list) const;

  private:
    std::filesystem::path path_;
};

} // namespace zarle
