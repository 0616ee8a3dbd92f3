#include "register/register_journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "register/file_io.h"
#include "register/register_file.h"

namespace bio {

namespace {

constexpr std::size_t kChecksumDigits = 16;
// A journal holds at most the old bytes of every record the register has room
// for; anything longer is not one of ours.
constexpr std::size_t kLongestJournal = 64 * 1024;
static_assert(kMaxRecords * kRecordBytes + 64 <= kLongestJournal);

FileFailure journalFailure(FileStep step, int errorNumber) {
    return {kJournalFileName, step, errorNumber};
}

std::filesystem::path journalPath(const std::filesystem::path& dir) {
    return dir / kJournalFileName;
}

// FNV-1a, as 16 hexadecimal digits: enough to tell a journal written whole
// from one a power cut left short or full of zero bytes.
std::string checksumText(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ULL;
    }
    std::string digits(kChecksumDigits, '0');
    for (std::size_t i = kChecksumDigits; i-- > 0; hash >>= 4)
        digits[i] = "0123456789abcdef"[hash & 15];
    return digits;
}

// The record's offset in decimal, a line feed, its old bytes, the checksum.
std::string journalText(off_t offset, std::string_view old) {
    std::string text = std::to_string(offset) + '\n';
    text += old;
    return text + checksumText(text);
}

struct JournalEntry {
    off_t offset = 0;
    std::string_view old;
};

std::optional<JournalEntry> parseJournal(std::string_view text) {
    if (text.size() < kChecksumDigits) return std::nullopt;
    const std::string_view body = text.substr(0, text.size() - kChecksumDigits);
    if (checksumText(body) != text.substr(body.size())) return std::nullopt;
    JournalEntry entry;
    const char* const bodyEnd = body.data() + body.size();
    const auto [end, error] = std::from_chars(body.data(), bodyEnd, entry.offset);
    if (error != std::errc() || end == bodyEnd || *end != '\n' || entry.offset < 0)
        return std::nullopt;
    entry.old = body.substr(static_cast<std::size_t>(end - body.data()) + 1);
    return entry;
}

Status putBack(FileWriter& writer, const std::filesystem::path& dir, const JournalEntry& entry) {
    const int fd = writer.open(dir / kRegisterFileName, O_WRONLY);
    if (fd < 0) return FileFailure{kRegisterFileName, FileStep::Open, errno};
    const bool put = writeAndFlush(writer, fd, entry.old, entry.offset);
    const int error = errno;
    ::close(fd);
    if (!put) return FileFailure{kRegisterFileName, FileStep::Write, error};
    return Done{};
}

}  // namespace

Status writeJournal(FileWriter& writer, const std::filesystem::path& dir, off_t offset,
                    std::string_view old) {
    const int fd = writer.open(journalPath(dir), O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0) return journalFailure(FileStep::Create, errno);
    const bool written = writeAndFlush(writer, fd, journalText(offset, old), 0);
    int error = errno;
    ::close(fd);
    // The folder too: a journal that a power cut takes away cannot put anything back.
    if (written && writer.flushFolder(dir) == 0) return Done{};
    if (written) error = errno;
    writer.remove(journalPath(dir));
    return journalFailure(FileStep::Write, error);
}

Status removeJournal(FileWriter& writer, const std::filesystem::path& dir) {
    // Until the removal is on disk a power cut would bring the journal back,
    // and with it the old record.
    if ((writer.remove(journalPath(dir)) != 0 && errno != ENOENT) || writer.flushFolder(dir) != 0)
        return journalFailure(FileStep::Write, errno);
    return Done{};
}

bool journalPresent(const std::filesystem::path& dir) {
    return ::access(journalPath(dir).c_str(), F_OK) == 0;
}

Status playBackJournal(FileWriter& writer, const std::filesystem::path& dir) {
    const int fd = ::open(journalPath(dir).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) return Done{};
    if (fd < 0) return journalFailure(FileStep::Open, errno);
    std::string text(kLongestJournal + 1, '\0');
    const ssize_t got = readAt(fd, text.data(), text.size(), 0);
    const int error = errno;
    ::close(fd);
    if (got < 0) return journalFailure(FileStep::Read, error);
    text.resize(static_cast<std::size_t>(got));
    if (const std::optional<JournalEntry> entry =
            text.size() <= kLongestJournal ? parseJournal(text) : std::nullopt) {
        if (Status put = putBack(writer, dir, *entry); !put) return put;
    }
    return removeJournal(writer, dir);
}

}  // namespace bio
