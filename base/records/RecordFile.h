#pragma once
// A data file of fixed-length records with no header: record n (from 1) lies at byte
// (n - 1) x length. Reading past the end gives zero bytes, writing past the end extends the file
// (any gap filled with zeros). Failures are reported through Error(), never thrown.
// Every write reaches the file in one system call, so a program killed between two writes
// leaves each record either as it was or as written, never half of each; a write that fails for
// want of room leaves the file as it was.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace zarle {

class RecordFile {
  public:
    enum class Access {
        ReadOnly,  // the file must exist; writes are refused
        ReadWrite, // the file must exist
        Create,    // read-write, an absent file is created empty
    };

    RecordFile(const std::filesystem::path& path, size_t recordLength, Access access);

    bool IsOpen() const { return file_.fd >= 0; }
    size_t RecordLength() const { return length_; }
    // Why the last operation failed; empty after one that succeeded. A file that could not be
    // opened fails every operation for the reason the opening gave.
    const std::string& Error() const { return error_; }

    // Exactly RecordLength() bytes: zeros past the end of the file, a partial last record padded
    // with zeros. Zeros too when the read fails (Error() then says why).
    std::vector<uint8_t> Read(int64_t n);
    // Writes the record whole; a shorter `bytes` is padded with zeros, a longer one is refused.
    bool Write(int64_t n, std::span<const uint8_t> bytes);
    // Writes records n, n + 1, ... at once; a last record that is short is padded with zeros.
    bool WriteRange(int64_t n, std::span<const uint8_t> bytes);
    // Whole records in the file.
    int64_t Count();
    // Cuts the file after record `count` (a file that is shorter stays as it is).
    bool Truncate(int64_t count);

  private:
    bool Fail(std::string message);
    bool CheckRecordNumber(int64_t n);
    int64_t FileSize();

    struct Descriptor {
        int fd = -1;
        Descriptor() = default;
        explicit Descriptor(int d) : fd(d) {}
        Descriptor(Descriptor&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
        Descriptor& operator=(Descriptor&& other) noexcept;
        ~Descriptor();
    };
    Descriptor file_;
    std::filesystem::path path_;
    size_t length_;
    bool writable_;
    std::string error_;
};

// Typed access for the record structs of this library (each has Size, Decode and Encode); the
// file is opened with that record's Size.
template <class Record> Record ReadRecord(RecordFile& file, int64_t n) {
    return Record::Decode(file.Read(n));
}

template <class Record> bool WriteRecord(RecordFile& file, int64_t n, const Record& record) {
    const auto bytes = record.Encode();
    return file.Write(n, bytes);
}

} // namespace zarle
