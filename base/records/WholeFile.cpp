#include "base/records/WholeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace zarle {

namespace fs = std::filesystem;

namespace {

// Says that every copy of the group's update is whole and may be put in place.
constexpr const char* CommitMarkName = "update.commit";
constexpr size_t CopyChunk = 64 * 1024;

std::string SystemError() {
    return std::strerror(errno);
}

fs::path WithSuffix(const fs::path& file, const char* suffix) {
    fs::path path = file;
    path += suffix;
    return path;
}

// A group's copy, and the file a single replacement is written to first: told apart, so that the
// start's repair of a group never takes a replacement that was cut off for a copy.
fs::path CopyOf(const fs::path& file) {
    return WithSuffix(file, ".new");
}
fs::path ReplacementOf(const fs::path& file) {
    return WithSuffix(file, ".tmp");
}

bool Exists(const fs::path& path) {
    return ::access(path.c_str(), F_OK) == 0;
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now, so that a failing close is seen.
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

// A new file made of what `fill` writes into it, flushed to the disk; "" or the error.
template <class Fill> std::string WriteNewFile(const fs::path& path, Fill fill) {
    const std::string failure = "Cannot write " + path.string() + ": ";
    Descriptor out(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (out.Get() < 0) return failure + SystemError();
    const std::string error = fill(out.Get());
    if (!error.empty()) return error;
    if (::fsync(out.Get()) != 0 || !out.Close()) return failure + SystemError();
    return "";
}

// A copy of `file` as "<file>.new"; "" or the error.
std::string CopyFile(const fs::path& file) {
    Descriptor in(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.Get() < 0) return "Cannot read " + file.string() + ": " + SystemError();
    const fs::path copy = CopyOf(file);
    return WriteNewFile(copy, [&](int out) -> std::string {
        std::vector<uint8_t> chunk(CopyChunk);
        for (off_t offset = 0;;) {
            const ssize_t got = ::pread(in.Get(), chunk.data(), chunk.size(), offset);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) return "Cannot read " + file.string() + ": " + SystemError();
            if (got == 0) return "";
            if (!WriteAllAt(out, {chunk.data(), size_t(got)}, offset))
                return "Cannot write " + copy.string() + ": " + SystemError();
            offset += got;
        }
    });
}

// Flushes a copy made by the update's writers; "" or the error.
std::string Flush(const fs::path& path) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0 || ::fsync(file.Get()) != 0)
        return "Cannot write " + path.string() + ": " + SystemError();
    return "";
}

} // namespace

bool WriteAllAt(int fd, std::span<const uint8_t> bytes, off_t offset) {
    const uint8_t* data = bytes.data();
    size_t size = bytes.size();
    // A regular file takes a short write only when it runs out of room; the rest is then tried
    // once more to get the reason.
    while (size > 0) {
        const ssize_t done = ::pwrite(fd, data, size, offset);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) {
            if (done == 0) errno = ENOSPC;
            return false;
        }
        data += done;
        size -= size_t(done);
        offset += done;
    }
    return true;
}

std::string ReplaceFile(const fs::path& file, std::span<const uint8_t> bytes) {
    const fs::path replacement = ReplacementOf(file);
    std::string error = WriteNewFile(replacement, [&](int out) -> std::string {
        if (WriteAllAt(out, bytes, 0)) return "";
        return "Cannot write " + replacement.string() + ": " + SystemError();
    });
    if (error.empty() && ::rename(replacement.c_str(), file.c_str()) != 0)
        error = "Cannot replace " + file.string() + ": " + SystemError();
    if (!error.empty()) ::unlink(replacement.c_str());
    return error;
}

FileGroupUpdate::FileGroupUpdate(fs::path folder, std::vector<std::string> names)
    : folder_(std::move(folder)), names_(std::move(names)) {
    // Copies made while an earlier commit still waits would be taken for whole ones.
    FinishFileGroupUpdate(folder_, names_);
    if (Exists(folder_ / CommitMarkName)) {
        NoteFailure("Cannot finish the update of " + folder_.string() + " that was under way");
        return;
    }
    for (const std::string& name : names_) {
        const fs::path file = folder_ / name;
        // A file that is not there has no copy; a writer that may create it creates the copy.
        if (!Exists(file)) continue;
        const std::string error = CopyFile(file);
        if (!error.empty()) {
            NoteFailure(error);
            return;
        }
    }
}

FileGroupUpdate::~FileGroupUpdate() {
    if (committed_) return;
    for (const std::string& name : names_) ::unlink(CopyOf(folder_ / name).c_str());
}

fs::path FileGroupUpdate::PathOf(const fs::path& file) const {
    const fs::path wanted = file.lexically_normal();
    for (const std::string& name : names_)
        if ((folder_ / name).lexically_normal() == wanted) return CopyOf(file);
    return file;
}

void FileGroupUpdate::NoteFailure(std::string error) {
    if (error_.empty()) error_ = std::move(error);
}

bool FileGroupUpdate::Commit() {
    if (!error_.empty()) return false;
    for (const std::string& name : names_) {
        const fs::path copy = CopyOf(folder_ / name);
        if (!Exists(copy)) continue;
        const std::string error = Flush(copy);
        if (!error.empty()) {
            NoteFailure(error);
            return false;
        }
    }
    const fs::path mark = folder_ / CommitMarkName;
    const std::string error = WriteNewFile(mark, [](int) { return std::string(); });
    if (!error.empty()) {
        NoteFailure(error);
        ::unlink(mark.c_str());
        return false;
    }
    // From here the copies are the files: what cannot be put in place now is put there at the
    // next start.
    committed_ = true;
    FinishFileGroupUpdate(folder_, names_);
    return true;
}

void FinishFileGroupUpdate(const fs::path& folder, std::span<const std::string> names) {
    const fs::path mark = folder / CommitMarkName;
    const bool committed = Exists(mark);
    bool finished = true;
    for (const std::string& name : names) {
        const fs::path file = folder / name;
        const fs::path copy = CopyOf(file);
        if (!Exists(copy)) continue;
        if (!committed)
            ::unlink(copy.c_str());
        else if (::rename(copy.c_str(), file.c_str()) != 0)
            finished = false;
    }
    if (committed && finished) ::unlink(mark.c_str());
}

} // namespace zarle
