#include "base/records/RecordFile.h"

#include "base/records/WholeFile.h"

#include <algorithm>
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

RecordFile::Descriptor& RecordFile::Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (fd >= 0) ::close(fd);
        fd = std::exchange(other.fd, -1);
    }
    return *this;
}

RecordFile::Descriptor::~Descriptor() {
    if (fd >= 0) ::close(fd);
}

RecordFile::RecordFile(const std::filesystem::path& path, size_t recordLength, Access access)
    : path_(path), length_(recordLength), writable_(access != Access::ReadOnly) {
    if (length_ == 0) {
        Fail("Record length of " + path_.string() + " must not be zero");
        return;
    }
    int flags = writable_ ? O_RDWR : O_RDONLY;
    if (access == Access::Create) flags |= O_CREAT;
    Descriptor fd(::open(path_.c_str(), flags | O_CLOEXEC, 0644));
    if (fd.fd < 0) {
        Fail("Cannot open " + path_.string() + ": " + SystemError());
        return;
    }
    struct stat info {};
    if (::fstat(fd.fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        Fail("Cannot open " + path_.string() + ": not a file");
        return;
    }
    file_ = std::move(fd);
}

bool RecordFile::Fail(std::string message) {
    error_ = std::move(message);
    return false;
}

bool RecordFile::CheckRecordNumber(int64_t n) {
    // A file that could not be opened keeps the reason it gave.
    if (!IsOpen()) return false;
    if (n < 1 || n > std::numeric_limits<off_t>::max() / off_t(length_))
        return Fail("Bad record number " + std::to_string(n) + " in " + path_.string());
    return true;
}

int64_t RecordFile::FileSize() {
    struct stat info {};
    if (::fstat(file_.fd, &info) != 0) return -1;
    return info.st_size;
}

std::vector<uint8_t> RecordFile::Read(int64_t n) {
    std::vector<uint8_t> record(length_, 0);
    if (!CheckRecordNumber(n)) return record;
    off_t offset = off_t(n - 1) * off_t(length_);
    size_t got = 0;
    while (got < length_) {
        const ssize_t done = ::pread(file_.fd, record.data() + got, length_ - got, offset + off_t(got));
        if (done < 0 && errno == EINTR) continue;
        if (done < 0) {
            std::fill(record.begin(), record.end(), 0);
            Fail("Cannot read record " + std::to_string(n) + " of " + path_.string() + ": " + SystemError());
            return record;
        }
        if (done == 0) break; // the end of the file: the rest stays zero
        got += size_t(done);
    }
    error_.clear();
    return record;
}

bool RecordFile::Write(int64_t n, std::span<const uint8_t> bytes) {
    if (!CheckRecordNumber(n)) return false;
    if (bytes.size() > length_)
        return Fail("A record of " + std::to_string(bytes.size()) + " bytes does not fit " + path_.string());
    return WriteRange(n, bytes);
}

bool RecordFile::WriteRange(int64_t n, std::span<const uint8_t> bytes) {
    if (!CheckRecordNumber(n)) return false;
    if (!writable_) return Fail(path_.string() + " is open for reading only");
    const size_t records = std::max<size_t>(1, (bytes.size() + length_ - 1) / length_);
    if (records > size_t(std::numeric_limits<off_t>::max() / off_t(length_)) - size_t(n - 1))
        return Fail("Bad record number " + std::to_string(n) + " in " + path_.string());

    const std::string failure = "Cannot write record " + std::to_string(n) + " of " + path_.string() + ": ";
    const int64_t size = FileSize();
    if (size < 0) return Fail(failure + SystemError());
    // A gap after the end of the file goes out with the records, in the same call.
    const off_t offset = off_t(n - 1) * off_t(length_);
    const off_t start = std::min<off_t>(offset, off_t(size));
    std::vector<uint8_t> buffer(size_t(offset - start) + records * length_, 0);
    std::copy(bytes.begin(), bytes.end(), buffer.begin() + (offset - start));
    if (!WriteAllAt(file_.fd, buffer, start)) {
        const std::string reason = SystemError();
        // A file that ran out of room while growing goes back to its size, so that it holds no
        // half record.
        if (start + off_t(buffer.size()) > size) (void)::ftruncate(file_.fd, size);
        return Fail(failure + reason);
    }
    error_.clear();
    return true;
}

int64_t RecordFile::Count() {
    if (!IsOpen()) return 0;
    int64_t size = FileSize();
    if (size < 0) {
        Fail("Cannot measure " + path_.string() + ": " + SystemError());
        return 0;
    }
    error_.clear();
    return size / int64_t(length_);
}

bool RecordFile::Truncate(int64_t count) {
    if (!IsOpen()) return false;
    if (!writable_) return Fail(path_.string() + " is open for reading only");
    if (count < 0 || count > std::numeric_limits<off_t>::max() / off_t(length_))
        return Fail("Bad record count " + std::to_string(count) + " for " + path_.string());
    const int64_t size = FileSize();
    const off_t end = off_t(count) * off_t(length_);
    if (size >= 0 && size <= end) return true;
    if (::ftruncate(file_.fd, end) != 0)
        return Fail("Cannot shorten " + path_.string() + ": " + SystemError());
    error_.clear();
    return true;
}

} // namespace zarle
