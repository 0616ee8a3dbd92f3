#include "platform/file_writer.h"

#include <algorithm>
#include <thread>

#include "platform/path.h"

namespace bio {

FileResult<File> FileWriter::open(const std::filesystem::path& path, OpenMode mode) {
    return File::open(path, mode);
}

FileResult<std::size_t> FileWriter::writeSomeAt(File& file, std::string_view bytes,
                                                std::uint64_t offset) {
    return file.writeSomeAt(bytes, offset);
}

FileStatus FileWriter::flush(File& file) { return file.flush(); }

FileStatus FileWriter::truncate(File& file, std::uint64_t size) { return file.truncate(size); }

FileStatus FileWriter::remove(const std::filesystem::path& path) { return removeFile(path); }

FileStatus FileWriter::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return renameReplacing(from, to);
}

FileStatus FileWriter::flushFolder(const std::filesystem::path& folder) {
    return bio::flushFolder(folder);
}

FileResult<bool> FileWriter::lock(File& file, LockKind kind) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + lockPatience();
    // Another program holds the file for one operation at a time, which is short.
    Clock::duration pause = std::chrono::milliseconds(1);
    for (;;) {
        const FileResult<bool> taken = file.tryLock(kind);
        if (!taken || *taken) return taken;
        const Clock::time_point now = Clock::now();
        if (now >= deadline) return false;
        std::this_thread::sleep_for(std::min(pause, deadline - now));
        pause = std::min<Clock::duration>(pause * 2, std::chrono::milliseconds(20));
    }
}

FileStatus writeAll(FileWriter& writer, File& file, std::string_view bytes, std::uint64_t offset,
                    std::size_t& done) {
    done = 0;
    while (done < bytes.size()) {
        const FileResult<std::size_t> put =
            writer.writeSomeAt(file, bytes.substr(done), offset + done);
        if (!put) return put.error();
        done += *put;
    }
    return Done{};
}

FileStatus writeAndFlush(FileWriter& writer, File& file, std::string_view bytes,
                         std::uint64_t offset) {
    std::size_t done = 0;
    if (FileStatus written = writeAll(writer, file, bytes, offset, done); !written) return written;
    return writer.flush(file);
}

FileStatus replaceFileAtomically(FileWriter& writer, const std::filesystem::path& target,
                                 std::string_view bytes) {
    const std::filesystem::path temporary = temporaryBeside(target);
    const std::string name = utf8Text(target.filename());
    const bool folderKeepsName = writer.nameKeeping() == NameKeeping::FolderFlush;
    FileStatus renamed = Done{};
    FileStatus kept = Done{};
    {
        FileResult<File> file = writer.open(temporary, OpenMode::CreateOrEmpty);
        if (!file) return file.error().as(name, FileStep::Write);
        renamed = writeAndFlush(writer, *file, bytes, 0);
        // Renamed while open (every open shares deletion), so that the same
        // handle can flush the file under its new name.
        if (renamed) renamed = writer.rename(temporary, target);
        if (renamed && !folderKeepsName) kept = writer.flush(*file);
    }  // closed before a failed temporary file is removed
    if (!renamed) {
        static_cast<void>(writer.remove(temporary));
        return renamed.error().as(name, FileStep::Write);
    }
    // Until the new name is kept, a power cut may bring the old file back.
    if (kept && folderKeepsName) kept = writer.flushFolder(target.parent_path());
    if (!kept) return kept.error().as(name, FileStep::Write);
    return Done{};
}

}  // namespace bio
