#include "register/file_replace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace bio {

namespace {

bool writeAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

int replaceFileAtomically(const std::filesystem::path& target, const std::string& bytes) {
    // Named by process, so that two running copies of the program never share one.
    std::filesystem::path temporary = target;
    temporary += '.';
    temporary += std::to_string(::getpid());
    temporary += ".tmp";
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) ::unlink(temporary.c_str());
    return error;
}

}  // namespace bio
