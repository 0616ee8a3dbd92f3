#include "register/file_io.h"

#include <unistd.h>

#include <cerrno>

namespace bio {

ssize_t readAt(int fd, char* buffer, std::size_t size, off_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got =
            ::pread(fd, buffer + done, size - done, offset + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return -1;
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

bool writeAll(FileWriter& writer, int fd, std::string_view bytes, off_t offset, std::size_t& done) {
    done = 0;
    while (done < bytes.size()) {
        const ssize_t put =
            writer.writeAt(fd, bytes.substr(done), offset + static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            if (put == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

bool writeAndFlush(FileWriter& writer, int fd, std::string_view bytes, off_t offset) {
    std::size_t done = 0;
    return writeAll(writer, fd, bytes, offset, done) && writer.flush(fd) == 0;
}

}  // namespace bio
