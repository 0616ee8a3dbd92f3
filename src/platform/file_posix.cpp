#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file.h"
#include "platform/file_sync.h"
#include "platform/path.h"

namespace bio {

namespace {

int descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

FileFailure failureOf(const std::filesystem::path& path, FileStep step, int code = errno) {
    return {utf8Text(path.filename()), step, code};
}

int openFlags(OpenMode mode) {
    switch (mode) {
        // Not blocking: a pipe or a device the user chose opens at once.
        case OpenMode::Read:
            return O_RDONLY | O_NONBLOCK;
        case OpenMode::ReadWrite:
            return O_RDWR;
        case OpenMode::CreateNew:
            return O_RDWR | O_CREAT | O_EXCL;
        case OpenMode::CreateOrEmpty:
            return O_WRONLY | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

bool creates(OpenMode mode) {
    return mode == OpenMode::CreateNew || mode == OpenMode::CreateOrEmpty;
}

}  // namespace

File::File(File&& other) noexcept
    : handle_(std::exchange(other.handle_, kClosed)), path_(std::move(other.path_)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, kClosed);
        path_ = std::move(other.path_);
    }
    return *this;
}

File::~File() { close(); }

void File::close() {
    if (handle_ != kClosed) ::close(descriptor(handle_));
    handle_ = kClosed;
}

FileFailure File::failure(FileStep step) const { return failureOf(path_, step); }

FileResult<File> File::open(const std::filesystem::path& path, OpenMode mode) {
    const FileStep step = creates(mode) ? FileStep::Create : FileStep::Open;
    const int fd = ::open(path.c_str(), openFlags(mode) | O_CLOEXEC, 0666);
    if (fd < 0) return failureOf(path, step);
    File file(fd, path);
    // A folder opens for reading here but reads as an error; Windows refuses
    // it at the open, and so does the program everywhere.
    struct stat status {};
    if (::fstat(fd, &status) != 0) return failureOf(path, step);
    if (S_ISDIR(status.st_mode)) return failureOf(path, step, EISDIR);
    return file;
}

FileResult<std::size_t> File::readAt(char* buffer, std::size_t size, std::uint64_t offset) const {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(descriptor(handle_), buffer + done, size - done,
                                    static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return failure(FileStep::Read);
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

FileResult<std::uint64_t> File::size() const {
    struct stat status {};
    if (::fstat(descriptor(handle_), &status) != 0) return failure(FileStep::Read);
    return static_cast<std::uint64_t>(status.st_size);
}

FileResult<std::size_t> File::writeSomeAt(std::string_view bytes, std::uint64_t offset) {
    for (;;) {
        const ssize_t put =
            ::pwrite(descriptor(handle_), bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return failure(FileStep::Write);
        // A write that takes nothing would be tried for ever.
        if (put == 0 && !bytes.empty()) return failureOf(path_, FileStep::Write, EIO);
        return static_cast<std::size_t>(put);
    }
}

FileStatus File::flush() {
    if (syncToDisk(descriptor(handle_)) != 0) return failure(FileStep::Write);
    return Done{};
}

FileStatus File::truncate(std::uint64_t size) {
    if (::ftruncate(descriptor(handle_), static_cast<off_t>(size)) != 0)
        return failure(FileStep::Write);
    return Done{};
}

FileResult<std::string> readWholeFile(const std::filesystem::path& path, std::size_t limit) {
    const FileResult<File> file = File::open(path, OpenMode::Read);
    if (!file) return file.error();
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(descriptor(file->handle_), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return failureOf(path, FileStep::Read);
        if (got == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > limit) return failureOf(path, FileStep::Read, EFBIG);
    }
}

FileStatus removeFile(const std::filesystem::path& path) {
    if (::unlink(path.c_str()) != 0) return failureOf(path, FileStep::Remove);
    return Done{};
}

FileStatus renameReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return failureOf(to, FileStep::Write);
    return Done{};
}

NameKeeping systemNameKeeping() { return NameKeeping::FolderFlush; }

FileStatus flushFolder(const std::filesystem::path& folder) {
    const std::filesystem::path named = folder.empty() ? std::filesystem::path(".") : folder;
    const int fd = ::open(named.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return failureOf(named, FileStep::Write);
    const bool flushed = syncToDisk(fd) == 0;
    const int code = errno;
    ::close(fd);
    if (!flushed) return failureOf(named, FileStep::Write, code);
    return Done{};
}

FileStatus makeFolders(const std::filesystem::path& folder) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) return Done{};
        return failureOf(folder, FileStep::Create, ENOTDIR);
    }
    if (errno != ENOENT) return failureOf(folder, FileStep::Create);
    const std::filesystem::path parent = folder.parent_path();
    if (!parent.empty() && parent != folder) {
        if (FileStatus made = makeFolders(parent); !made) return made;
    }
    if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        return failureOf(folder, FileStep::Create);
    return Done{};
}

FileStatus folderWritable(const std::filesystem::path& folder) {
    if (::access(folder.c_str(), W_OK) != 0) return failureOf(folder, FileStep::Write);
    return Done{};
}

std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    // Named by process, so that two running copies of the program never share one.
    std::filesystem::path temporary = target;
    temporary += "." + std::to_string(::getpid()) + ".tmp";
    return temporary;
}

}  // namespace bio
