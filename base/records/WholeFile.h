#pragma once
// Files written whole: the new bytes go into "<file>.new" beside the file, which is then renamed
// over it, so that a program killed on the way leaves the old file or the new one, never a mix.
// Files of one folder that must change together go through a FileGroupUpdate. Errors name the
// file and give the system's reason.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace zarle {

// Writes the buffer at `offset` in as many positioned writes as it takes; false (errno set) when
// the file takes no more.
bool WriteAllAt(int fd, std::span<const uint8_t> bytes, off_t offset);

// The bytes of `file` written whole in its place; "" when done, else the error (the file is then
// as it was).
std::string ReplaceFile(const std::filesystem::path& file, std::span<const uint8_t> bytes);

// An update of several files of one folder. Each file is copied to "<file>.new" when the update
// opens; the update reads and writes the copies, and Commit puts them all in place. A program
// killed during the commit leaves a mark in the folder, and FinishFileGroupUpdate at the next
// start puts the rest in place; killed before it, the copies are dropped there.
class FileGroupUpdate {
  public:
    FileGroupUpdate(std::filesystem::path folder, std::vector<std::string> names);
    // Drops the copies unless they were committed.
    ~FileGroupUpdate();
    FileGroupUpdate(const FileGroupUpdate&) = delete;
    FileGroupUpdate& operator=(const FileGroupUpdate&) = delete;

    // What the update reads and writes for `file`: its copy, or the file itself when it is not
    // one of the group.
    std::filesystem::path PathOf(const std::filesystem::path& file) const;
    // The first failure of the update, its own or one a writer of the copies noted.
    void NoteFailure(std::string error);
    const std::string& Error() const { return error_; }
    // Puts the copies in place; false (nothing changed) after a failure.
    bool Commit();

  private:
    std::filesystem::path folder_;
    std::vector<std::string> names_;
    std::string error_;
    bool committed_ = false;
};

// At start, for the group `names` of `folder`: finishes a commit that was under way, or drops the
// copies of an update that never committed.
void FinishFileGroupUpdate(const std::filesystem::path& folder, std::span<const std::string> names);

} // namespace zarle
