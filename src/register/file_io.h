#pragma once
// Reads and writes of whole buffers at an offset, carried on where the system
// does only part of one.

#include <sys/types.h>

#include <cstddef>
#include <string_view>

#include "ui/file_writer.h"

namespace bio {

// Reads `size` bytes at `offset`, fewer only where the file ends; -1 with errno
// set on failure.
ssize_t readAt(int fd, char* buffer, std::size_t size, off_t offset);

// Writes all of `bytes` at `offset`; false with errno set on failure, `done`
// then telling how many bytes went in. Writing past the end leaves a hole,
// which reads as zero bytes.
bool writeAll(FileWriter& writer, int fd, std::string_view bytes, off_t offset, std::size_t& done);

// Writes all of `bytes` at `offset` and flushes the file to disk: a flush that
// fails is a write that failed.
bool writeAndFlush(FileWriter& writer, int fd, std::string_view bytes, off_t offset);

}  // namespace bio
