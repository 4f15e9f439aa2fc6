#include "RecordFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace zarle {

namespace {

std::string SystemError() {
    return std::strerror(errno);
}

} // namespace

RecordFile::RecordFile(const std::filesystem::path& path, size_t recordLength, Access access)
    : path_(path), length_(recordLength), writable_(access != Access::ReadOnly) {
    if (length_ == 0) {
        Fail("Record length of " + path_.string() + " must not be zero");
        return;
    }
    int flags = writable_ ? O_RDWR : O_RDONLY;
    if (access == Access::Create) flags |= O_CREAT;
    int fd = ::open(path_.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0) {
        Fail("Cannot open " + path_.string() + ": " + SystemError());
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        Fail("Cannot open " + path_.string() + ": not a file");
        ::close(fd);
        return;
    }
    file_.reset(::fdopen(fd, writable_ ? "r+b" : "rb"));
    if (!file_) {
        Fail("Cannot open " + path_.string() + ": " + SystemError());
        ::close(fd);
    }
}

bool RecordFile::Fail(std::string message) {
    error_ = std::move(message);
    return false;
}

bool RecordFile::CheckRecordNumber(int64_t n) {
    if (!file_) return Fail(path_.string() + " is not open");
    if (n < 1 || n > std::numeric_limits<off_t>::max() / off_t(length_))
        return Fail("Bad record number " + std::to_string(n) + " in " + path_.string());
    return true;
}

int64_t RecordFile::FileSize() {
    if (::fseeko(file_.get(), 0, SEEK_END) != 0) return -1;
    return ::ftello(file_.get());
}

std::vector<uint8_t> RecordFile::Read(int64_t n) {
    std::vector<uint8_t> record(length_, 0);
    if (!CheckRecordNumber(n)) return record;
    std::FILE* f = file_.get();
    std::clearerr(f);
    if (::fseeko(f, off_t(n - 1) * off_t(length_), SEEK_SET) != 0) {
        Fail("Cannot read record " + std::to_string(n) + " of " + path_.string() + ": " + SystemError());
        return record;
    }
    size_t got = std::fread(record.data(), 1, length_, f);
    if (std::ferror(f)) {
        std::fill(record.begin(), record.end(), 0);
        Fail("Cannot read record " + std::to_string(n) + " of " + path_.string() + ": " + SystemError());
        return record;
    }
    std::fill(record.begin() + ptrdiff_t(got), record.end(), 0);
    error_.clear();
    return record;
}

bool RecordFile::Write(int64_t n, std::span<const uint8_t> bytes) {
    if (!CheckRecordNumber(n)) return false;
    if (!writable_) return Fail(path_.string() + " is open for reading only");
    if (bytes.size() > length_)
        return Fail("A record of " + std::to_string(bytes.size()) + " bytes does not fit " + path_.string());

    std::FILE* f = file_.get();
    const off_t offset = off_t(n - 1) * off_t(length_);
    const std::string failure = "Cannot write record " + std::to_string(n) + " of " + path_.string() + ": ";
    int64_t size = FileSize();
    if (size < 0) return Fail(failure + SystemError());

    static constexpr std::array<uint8_t, 4096> zeros{};
    for (int64_t gap = offset - size; gap > 0;) {
        size_t chunk = size_t(std::min<int64_t>(gap, zeros.size()));
        if (std::fwrite(zeros.data(), 1, chunk, f) != chunk) return Fail(failure + SystemError());
        gap -= int64_t(chunk);
    }
    if (::fseeko(f, offset, SEEK_SET) != 0) return Fail(failure + SystemError());
    std::vector<uint8_t> record(length_, 0);
    std::copy(bytes.begin(), bytes.end(), record.begin());
    if (std::fwrite(record.data(), 1, length_, f) != length_ || std::fflush(f) != 0)
        return Fail(failure + SystemError());
    error_.clear();
    return true;
}

int64_t RecordFile::Count() {
    if (!file_) {
        Fail(path_.string() + " is not open");
        return 0;
    }
    int64_t size = FileSize();
    if (size < 0) {
        Fail("Cannot measure " + path_.string() + ": " + SystemError());
        return 0;
    }
    error_.clear();
    return size / int64_t(length_);
}

} // namespace zarle
