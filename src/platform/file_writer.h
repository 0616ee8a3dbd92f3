#pragma once
// The calls through which the program changes files on disk: the register,
// its journal and every file it replaces. The program uses the system's; tests
// put their own in to record the calls (and replay a power cut at any point
// of them), to make one fail or to act just as a lock is taken.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/file.h"

namespace bio {

class FileWriter {
  public:
    virtual ~FileWriter() = default;

    virtual FileResult<File> open(const std::filesystem::path& path, OpenMode mode);
    virtual FileResult<std::size_t> writeSomeAt(File& file, std::string_view bytes,
                                                std::uint64_t offset);
    virtual FileStatus flush(File& file);
    virtual FileStatus truncate(File& file, std::uint64_t size);
    virtual FileStatus remove(const std::filesystem::path& path);
    virtual FileStatus rename(const std::filesystem::path& from, const std::filesystem::path& to);
    virtual FileStatus flushFolder(const std::filesystem::path& folder);
    // Takes the lock, waiting up to lockPatience() for another program to
    // finish with the file; false when it did not in that time.
    virtual FileResult<bool> lock(File& file, LockKind kind);

    // How long a change waits for another program to finish with the file.
    virtual std::chrono::milliseconds lockPatience() const { return std::chrono::seconds(5); }
    // What keeps a new name through a power cut, which decides the steps of a replacement.
    virtual NameKeeping nameKeeping() const { return systemNameKeeping(); }
};

// Writes all of `bytes` at `offset`; `done` tells how many went in, also when
// it failed. Writing past the end leaves a hole, which reads as zero bytes.
FileStatus writeAll(FileWriter& writer, File& file, std::string_view bytes, std::uint64_t offset,
                    std::size_t& done);
// Writes all of `bytes` at `offset` and flushes them to disk: a flush that
// fails is a write that failed.
FileStatus writeAndFlush(FileWriter& writer, File& file, std::string_view bytes,
                         std::uint64_t offset);

// Replaces `target` with `bytes` so that a failure, a crash or a power cut
// leaves either the old file or the new one, never a mix, and the new one once
// this returns: written beside, flushed, renamed over it, and then the folder
// flushed, or where that promises nothing the renamed file flushed again. A
// failure is told as a failed write of the target, with the old file
// untouched and nothing left beside it.
FileStatus replaceFileAtomically(FileWriter& writer, const std::filesystem::path& target,
                                 std::string_view bytes);

}  // namespace bio
