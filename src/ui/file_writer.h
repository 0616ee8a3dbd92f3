#pragma once
// The calls through which the register is changed on disk. The program uses
// the system's; tests put their own in to record the calls (and replay a power
// cut at any point of them) or to make one fail.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string_view>

namespace bio {

class FileWriter {
  public:
    virtual ~FileWriter() = default;

    // As the system calls open(2) (mode 0666 when creating), pwrite(2),
    // fsync(2), ftruncate(2) and unlink(2): -1 with errno set on failure.
    virtual int open(const std::filesystem::path& file, int flags);
    virtual ssize_t writeAt(int fd, std::string_view bytes, off_t offset);
    virtual int flush(int fd);
    virtual int truncate(int fd, off_t size);
    virtual int remove(const std::filesystem::path& file);
    // Flushes the folder itself, so that files created in it or removed from
    // it stay so after a power cut.
    virtual int flushFolder(const std::filesystem::path& folder);

    // How long a change waits for another program to finish with the file.
    virtual std::chrono::milliseconds lockPatience() const { return std::chrono::seconds(5); }
};

}  // namespace bio
