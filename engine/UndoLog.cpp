#include "engine/UndoLog.h"

#include "base/records/RecordFile.h"

namespace zarle {

UndoLog::UndoLog(std::unique_ptr<RecordFile> file) : file_(std::move(file)) {}
UndoLog::~UndoLog() = default;

std::unique_ptr<UndoLog> UndoLog::Open(const std::filesystem::path& programFolder) {
    const auto path = programFolder / UndoLogFileName;
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto file = std::make_unique<RecordFile>(path, SavedGameRecordLength, RecordFile::Access::Create);
        if (file->IsOpen()) return std::unique_ptr<UndoLog>(new UndoLog(std::move(file)));
    }
    return nullptr;
}

bool UndoLog::Write(int recordNo, std::span<const uint8_t> record) {
    return file_->Write(recordNo, record);
}

std::vector<uint8_t> UndoLog::Read(int recordNo) {
    return file_->Read(recordNo);
}

} // namespace zarle
