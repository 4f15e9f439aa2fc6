#include "tests/persistence/games/DiskChanges.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zarle::testing {

int ChangesLeft = -1;
bool DiskFull = false;

} // namespace zarle::testing

namespace {

using zarle::testing::ChangesLeft;

void CountChange() {
    if (ChangesLeft == 0) _exit(zarle::testing::KilledStatus);
    if (ChangesLeft > 0) --ChangesLeft;
}

ssize_t CountedWrite(int fd, const void* buf, size_t n, off_t offset) {
    CountChange();
    struct stat info {};
    if (zarle::testing::DiskFull && fstat(fd, &info) == 0 && offset + off_t(n) > info.st_size) {
        errno = ENOSPC;
        return -1;
    }
    return syscall(SYS_pwrite64, fd, buf, n, offset);
}

int CountedTruncate(int fd, off_t length) {
    CountChange();
    return int(syscall(SYS_ftruncate, fd, length));
}

} // namespace

extern "C" ssize_t pwrite(int fd, const void* buf, size_t n, off_t offset) {
    return CountedWrite(fd, buf, n, offset);
}
extern "C" ssize_t pwrite64(int fd, const void* buf, size_t n, off_t offset) {
    return CountedWrite(fd, buf, n, offset);
}
extern "C" int ftruncate(int fd, off_t length) {
    return CountedTruncate(fd, length);
}
extern "C" int ftruncate64(int fd, off_t length) {
    return CountedTruncate(fd, length);
}
extern "C" int rename(const char* from, const char* to) {
    CountChange();
    return int(syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
}
extern "C" int unlink(const char* path) {
    CountChange();
    return int(syscall(SYS_unlinkat, AT_FDCWD, path, 0));
}
