#include "ui/file_writer.h"

#include <fcntl.h>
#include <unistd.h>

namespace bio {

int FileWriter::open(const std::filesystem::path& file, int flags) {
    return ::open(file.c_str(), flags | O_CLOEXEC, 0666);
}

ssize_t FileWriter::writeAt(int fd, std::string_view bytes, off_t offset) {
    return ::pwrite(fd, bytes.data(), bytes.size(), offset);
}

int FileWriter::flush(int fd) { return ::fsync(fd); }

int FileWriter::truncate(int fd, off_t size) { return ::ftruncate(fd, size); }

int FileWriter::remove(const std::filesystem::path& file) { return ::unlink(file.c_str()); }

int FileWriter::flushFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    const int flushed = ::fsync(fd);
    ::close(fd);
    return flushed;
}

}  // namespace bio
