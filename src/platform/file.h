#pragma once
// Files as the program uses them, the same on every platform: an owning
// handle with positioned reads and writes, flushes and locks, and the few
// operations on names and folders around it. Every failure names the file by
// its name alone and the step that failed.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/file_failure.h"
#include "platform/path.h"

namespace bio {

enum class OpenMode {
    Read,          // an existing file, for reading
    ReadWrite,     // an existing file, for reading and writing
    CreateNew,     // a file that must not exist yet, for reading and writing
    CreateOrEmpty  // a file created or emptied, for writing
};

// A shared lock lets other readers in; an exclusive one nobody.
enum class LockKind { Shared, Exclusive };

// An open file, closed with its handle. Opening a folder fails at the open,
// with the reason that a folder stands there.
class File {
  public:
    File() = default;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    // The name failures are told by.
    std::string name() const { return utf8Text(path_.filename()); }
    const std::filesystem::path& path() const { return path_; }

    // Reads up to `size` bytes at `offset`, fewer only where the file ends.
    FileResult<std::size_t> readAt(char* buffer, std::size_t size, std::uint64_t offset) const;
    FileResult<std::uint64_t> size() const;

    // The system's calls, through which FileWriter changes files: a write of
    // at least one byte of `bytes` (or a failure), a flush to disk, a new end.
    FileResult<std::size_t> writeSomeAt(std::string_view bytes, std::uint64_t offset);
    FileStatus flush();
    FileStatus truncate(std::uint64_t size);
    // One try at a lock, false while another open file holds a conflicting
    // one; a shared lock held becomes exclusive. The lock is advisory: it
    // keeps out only those who ask for it, and never covers the bytes.
    FileResult<bool> tryLock(LockKind kind);
    void unlock();

    static FileResult<File> open(const std::filesystem::path& path, OpenMode mode);
    friend FileResult<std::string> readWholeFile(const std::filesystem::path& path,
                                                 std::size_t limit);

  private:
    File(std::intptr_t handle, std::filesystem::path path)
        : handle_(handle), path_(std::move(path)) {}
    void close();
    FileFailure failure(FileStep step) const;

    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t handle_ = kClosed;  // a descriptor on POSIX, a HANDLE on Windows
    std::filesystem::path path_;
    // The lock taken, where the system cannot tell it (Windows); none when empty.
    std::optional<LockKind> held_;
};

// The whole of a file the user chose, refused when it is longer than `limit`
// bytes; a pipe or device neither hangs nor is read without end.
FileResult<std::string> readWholeFile(const std::filesystem::path& path, std::size_t limit);

// The one byte a lock covers where locks are mandatory (Windows, where a lock
// on the records would keep other programs from reading them): it must lie
// beyond anything the program reads or writes, which the register's layer
// checks against its longest files.
inline constexpr std::uint64_t kLockedByte = 0x7FFF'FFFF'FFFF'FFF0;

// Windows gives up a removal or a rename that another program's open handle
// stands in the way of (an antivirus scanner, the indexer or OneDrive look at
// a file for a moment after it changes) only after trying again for about a
// second.
FileStatus removeFile(const std::filesystem::path& path);
// Renames `from` over `to`, replacing a file there in one step.
FileStatus renameReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// What keeps a file's creation and a rename through a power cut.
enum class NameKeeping {
    FolderFlush,  // flushing the folder (POSIX: fsync of the directory)
    FileFlush     // flushing the file itself (Windows: see file_windows.cpp)
};
NameKeeping systemNameKeeping();
// Flushes the folder itself, so that files created, renamed or removed in it
// stay so after a power cut where NameKeeping::FolderFlush holds; elsewhere a
// folder flush promises nothing and does nothing.
FileStatus flushFolder(const std::filesystem::path& folder);
// Creates the folder and any missing parents, for the user alone.
FileStatus makeFolders(const std::filesystem::path& folder);
// Whether files can be created in an existing folder.
FileStatus folderWritable(const std::filesystem::path& folder);

// A name for a temporary file beside `target` that no other running program uses.
std::filesystem::path temporaryBeside(const std::filesystem::path& target);

}  // namespace bio
