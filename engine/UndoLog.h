#pragma once
// The undo log of the current turn: one saved-game record per move, record 1 the state at the
// start of the turn. It lies in the program folder itself.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

namespace zarle {

class RecordFile;

inline constexpr size_t SavedGameRecordLength = 6038;
inline constexpr const char* UndoLogFileName = "~tempmoves.sav";

class UndoLog {
  public:
    // Opens (creating when absent) the log in the program folder. One retry cures a file that
    // was still being closed; a log that cannot be opened after that is given up: nullptr.
    static std::unique_ptr<UndoLog> Open(const std::filesystem::path& programFolder);
    ~UndoLog();

    bool Write(int recordNo, std::span<const uint8_t> record);
    std::vector<uint8_t> Read(int recordNo);

  private:
    explicit UndoLog(std::unique_ptr<RecordFile> file);
    std::unique_ptr<RecordFile> file_;
};

} // namespace zarle
