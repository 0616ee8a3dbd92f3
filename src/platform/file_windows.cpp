#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/file.h"
#include "platform/path.h"

namespace bio {

namespace {

HANDLE nativeHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

FileFailure failureOf(const std::filesystem::path& path, FileStep step,
                      int code = static_cast<int>(GetLastError())) {
    return {utf8Text(path.filename()), step, code};
}

struct Opening {
    DWORD access;
    DWORD disposition;
};

Opening openingFor(OpenMode mode) {
    switch (mode) {
        case OpenMode::Read:
            return {GENERIC_READ, OPEN_EXISTING};
        case OpenMode::ReadWrite:
            return {GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING};
        case OpenMode::CreateNew:
            return {GENERIC_READ | GENERIC_WRITE, CREATE_NEW};
        case OpenMode::CreateOrEmpty:
            return {GENERIC_WRITE, CREATE_ALWAYS};
    }
    return {GENERIC_READ, OPEN_EXISTING};
}

bool creates(OpenMode mode) {
    return mode == OpenMode::CreateNew || mode == OpenMode::CreateOrEmpty;
}

bool isFolder(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The last failure on `path`. Windows tells a folder standing there only as
// "access denied": say what stands there instead.
int lastCodeFor(const std::filesystem::path& path) {
    const int code = static_cast<int>(GetLastError());
    if (code == ERROR_ACCESS_DENIED && isFolder(path)) return systemCode(SystemReason::IsFolder);
    return code;
}

// ReadFile and WriteFile take a DWORD count; larger requests go in pieces.
DWORD chunk(std::size_t size) { return static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30)); }

OVERLAPPED at(std::uint64_t offset) {
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return position;
}

// Another program's handle on the file: the sharing it asked for leaves out
// deletion, or the file it holds is the one a rename would replace.
bool heldByAnother(DWORD code) {
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION ||
           code == ERROR_ACCESS_DENIED;
}

// Runs `change` (a call that sets the last error when it fails) and, while
// another program holds `path`, runs it again for about a second: scanners
// and the indexer let go within tenths of one. A folder standing at `path`
// is denied for good and is not waited for.
template <typename Change>
bool retriedWhileHeld(const std::filesystem::path& path, Change change) {
    constexpr ULONGLONG kPatienceMs = 1000;
    const ULONGLONG deadline = GetTickCount64() + kPatienceMs;
    DWORD pauseMs = 1;
    for (;;) {
        if (change()) return true;
        const DWORD code = GetLastError();
        const ULONGLONG now = GetTickCount64();
        if (!heldByAnother(code) || now >= deadline || isFolder(path)) {
            SetLastError(code);
            return false;
        }
        Sleep(static_cast<DWORD>(std::min<ULONGLONG>(pauseMs, deadline - now)));
        pauseMs = std::min<DWORD>(pauseMs * 2, 50);
    }
}

}  // namespace

File::File(File&& other) noexcept
    : handle_(std::exchange(other.handle_, kClosed)),
      path_(std::move(other.path_)),
      held_(std::exchange(other.held_, std::nullopt)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, kClosed);
        path_ = std::move(other.path_);
        held_ = std::exchange(other.held_, std::nullopt);
    }
    return *this;
}

File::~File() { close(); }

void File::close() {
    if (handle_ == kClosed) return;
    // Closing frees the lock only when the system gets round to it: free it now.
    unlock();
    CloseHandle(nativeHandle(handle_));
    handle_ = kClosed;
}

FileFailure File::failure(FileStep step) const { return failureOf(path_, step); }

FileResult<File> File::open(const std::filesystem::path& path, OpenMode mode) {
    const FileStep step = creates(mode) ? FileStep::Create : FileStep::Open;
    const Opening opening = openingFor(mode);
    // Shared every way, so that another program (or this one) can use the file at once.
    const HANDLE handle = CreateFileW(path.c_str(), opening.access,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, opening.disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return failureOf(path, step, lastCodeFor(path));
    return File(reinterpret_cast<std::intptr_t>(handle), path);
}

FileResult<std::size_t> File::readAt(char* buffer, std::size_t size, std::uint64_t offset) const {
    std::size_t done = 0;
    while (done < size) {
        OVERLAPPED position = at(offset + done);
        DWORD got = 0;
        if (!ReadFile(nativeHandle(handle_), buffer + done, chunk(size - done), &got, &position)) {
            if (GetLastError() == ERROR_HANDLE_EOF) break;
            return failure(FileStep::Read);
        }
        if (got == 0) break;
        done += got;
    }
    return done;
}

FileResult<std::uint64_t> File::size() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(nativeHandle(handle_), &size)) return failure(FileStep::Read);
    return static_cast<std::uint64_t>(size.QuadPart);
}

FileResult<std::size_t> File::writeSomeAt(std::string_view bytes, std::uint64_t offset) {
    OVERLAPPED position = at(offset);
    DWORD put = 0;
    if (!WriteFile(nativeHandle(handle_), bytes.data(), chunk(bytes.size()), &put, &position))
        return failure(FileStep::Write);
    // A write that takes nothing would be tried for ever.
    if (put == 0 && !bytes.empty()) return failureOf(path_, FileStep::Write, ERROR_IO_DEVICE);
    return static_cast<std::size_t>(put);
}

FileStatus File::flush() {
    if (!FlushFileBuffers(nativeHandle(handle_))) return failure(FileStep::Write);
    return Done{};
}

FileStatus File::truncate(std::uint64_t size) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFileInformationByHandle(nativeHandle(handle_), FileEndOfFileInfo, &end, sizeof end))
        return failure(FileStep::Write);
    return Done{};
}

// Windows locks are mandatory: a lock on the records would keep other
// programs from reading them, so the one byte locked is kLockedByte, which
// keeps out only those who ask for it, as flock does on POSIX. Windows cannot
// turn a shared lock into an exclusive one: the lock held is given up first,
// as flock does on POSIX when it converts one.
FileResult<bool> File::tryLock(LockKind kind) {
    if (held_ == kind) return true;
    unlock();
    const DWORD flags =
        LOCKFILE_FAIL_IMMEDIATELY | (kind == LockKind::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    OVERLAPPED position = at(kLockedByte);
    if (!LockFileEx(nativeHandle(handle_), flags, 0, 1, 0, &position)) {
        const DWORD code = GetLastError();
        if (code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING) return false;
        return failure(FileStep::Open);
    }
    held_ = kind;
    return true;
}

void File::unlock() {
    if (!held_) return;
    OVERLAPPED position = at(kLockedByte);
    UnlockFileEx(nativeHandle(handle_), 0, 1, 0, &position);
    held_.reset();
}

FileResult<std::string> readWholeFile(const std::filesystem::path& path, std::size_t limit) {
    const FileResult<File> file = File::open(path, OpenMode::Read);
    if (!file) return file.error();
    std::string bytes;
    // A pipe or a device would keep the read waiting: it reads as nothing, as
    // a pipe without a writer does on POSIX.
    if (GetFileType(nativeHandle(file->handle_)) != FILE_TYPE_DISK) return bytes;
    char buffer[1 << 16];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(nativeHandle(file->handle_), buffer, sizeof buffer, &got, nullptr))
            return failureOf(path, FileStep::Read);
        if (got == 0) return bytes;
        bytes.append(buffer, got);
        if (bytes.size() > limit)
            return failureOf(path, FileStep::Read, systemCode(SystemReason::TooLarge));
    }
}

FileStatus removeFile(const std::filesystem::path& path) {
    if (!retriedWhileHeld(path, [&] { return DeleteFileW(path.c_str()) != 0; }))
        return failureOf(path, FileStep::Remove);
    return Done{};
}

// MOVEFILE_WRITE_THROUGH would flush only a move that copies to another
// volume; a rename beside the file is kept by flushing it (systemNameKeeping).
FileStatus renameReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    const auto rename = [&] {
        return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    };
    if (!retriedWhileHeld(to, rename)) return failureOf(to, FileStep::Write, lastCodeFor(to));
    return Done{};
}

// Windows promises nothing for a folder's flush, nor for DeleteFileW or a
// rename on one volume, even with MOVEFILE_WRITE_THROUGH. What it does promise:
// - FlushFileBuffers (NtFlushBuffersFileEx with no flags) writes "file data
//   and metadata in the file cache" and has the storage flush its own cache;
//   a file's name and its entry in its folder are its metadata;
// - NTFS makes every change to its metadata (a creation, a rename, a new
//   length) a transaction recorded in its log before the volume changes, and
//   after a crash redoes every committed transaction the log holds.
// So a file created or renamed and then flushed keeps its name through a
// power cut; a removal cannot be flushed, and a commit never rests on one.
NameKeeping systemNameKeeping() { return NameKeeping::FileFlush; }

FileStatus flushFolder(const std::filesystem::path&) { return Done{}; }

FileStatus makeFolders(const std::filesystem::path& folder) {
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Done{};
        return failureOf(folder, FileStep::Create, systemCode(SystemReason::NotFolder));
    }
    const DWORD code = GetLastError();
    if (code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND)
        return failureOf(folder, FileStep::Create, static_cast<int>(code));
    const std::filesystem::path parent = folder.parent_path();
    if (!parent.empty() && parent != folder) {
        if (FileStatus made = makeFolders(parent); !made) return made;
    }
    // The folder's security comes from its parent: under the user's profile, the user's alone.
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return failureOf(folder, FileStep::Create);
    return Done{};
}

// The read-only attribute of a folder does not keep files out of it, so a
// folder that is there counts as writable; what the user may not do shows at the write.
FileStatus folderWritable(const std::filesystem::path& folder) {
    if (GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
        return failureOf(folder, FileStep::Write);
    return Done{};
}

std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    // Named by process, so that two running copies of the program never share one.
    std::filesystem::path temporary = target;
    temporary += "." + std::to_string(GetCurrentProcessId()) + ".tmp";
    return temporary;
}

}  // namespace bio
