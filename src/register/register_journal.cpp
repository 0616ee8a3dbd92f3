#include "register/register_journal.h"

#include <charconv>
#include <optional>
#include <string>

#include "register/register_file.h"
#include "state/fnv_hash.h"

namespace bio {

namespace {

constexpr std::size_t kChecksumDigits = 16;
// A journal holds at most the old bytes of every record the register has room
// for; anything longer is not one of ours.
constexpr std::size_t kLongestJournal = 64 * 1024;
static_assert(kMaxRecords * kRecordBytes + 64 <= kLongestJournal);
// Putting old bytes back must stay clear of the byte that locks stand on.
static_assert(std::uint64_t{kMaxRecordNumber} * kRecordBytes + kLongestJournal < kLockedByte);

std::filesystem::path journalPath(const std::filesystem::path& dir) {
    return dir / kJournalFileName;
}

// Enough to tell a journal written whole from one a power cut left short or
// full of zero bytes.
std::string checksumText(std::string_view bytes) { return fnv1aHex(bytes, kChecksumDigits); }

// The record's offset in decimal, a line feed, its old bytes, the checksum.
std::string journalText(std::uint64_t offset, std::string_view old) {
    std::string text = std::to_string(offset) + '\n';
    text += old;
    return text + checksumText(text);
}

struct JournalEntry {
    std::uint64_t offset = 0;
    std::string_view old;
};

std::optional<JournalEntry> parseJournal(std::string_view text) {
    if (text.size() < kChecksumDigits) return std::nullopt;
    const std::string_view body = text.substr(0, text.size() - kChecksumDigits);
    if (checksumText(body) != text.substr(body.size())) return std::nullopt;
    JournalEntry entry;
    const char* const bodyEnd = body.data() + body.size();
    const auto [end, error] = std::from_chars(body.data(), bodyEnd, entry.offset);
    if (error != std::errc() || end == bodyEnd || *end != '\n') return std::nullopt;
    entry.old = body.substr(static_cast<std::size_t>(end - body.data()) + 1);
    return entry;
}

Status putBack(FileWriter& writer, const std::filesystem::path& dir, const JournalEntry& entry) {
    FileResult<File> file = writer.open(dir / kRegisterFileName, OpenMode::ReadWrite);
    if (!file) return file.error();
    return writeAndFlush(writer, *file, entry.old, entry.offset);
}

}  // namespace

Status writeJournal(FileWriter& writer, const std::filesystem::path& dir, std::uint64_t offset,
                    std::string_view old) {
    FileStatus written = Done{};
    {
        FileResult<File> file = writer.open(journalPath(dir), OpenMode::CreateOrEmpty);
        if (!file) return file.error();
        written = writeAndFlush(writer, *file, journalText(offset, old), 0);
    }
    // Its name too (the folder's flush keeps it, or on Windows the journal's
    // own): a journal that a power cut takes away cannot put anything back.
    if (written) written = writer.flushFolder(dir);
    if (written) return Done{};
    static_cast<void>(writer.remove(journalPath(dir)));
    return written.error().as(kJournalFileName, FileStep::Write);
}

Status removeJournal(FileWriter& writer, const std::filesystem::path& dir) {
    // Emptied and flushed, the journal puts nothing back: that commits the
    // write on every system, also where nothing keeps a removal through a
    // power cut (Windows). The removal only tidies up; a journal it leaves,
    // empty, is passed over and removed by the next operation.
    FileStatus emptied = Done{};
    {
        FileResult<File> file = writer.open(journalPath(dir), OpenMode::ReadWrite);
        if (!file && file.error().missing()) return Done{};
        if (!file) return file.error().as(kJournalFileName, FileStep::Write);
        emptied = writer.truncate(*file, 0);
        if (emptied) emptied = writer.flush(*file);
    }  // closed, as Windows removes no file that is open without shared deletion
    if (!emptied) return emptied.error().as(kJournalFileName, FileStep::Write);
    static_cast<void>(writer.remove(journalPath(dir)));
    return Done{};
}

bool journalPresent(const std::filesystem::path& dir) {
    std::error_code ignored;
    return std::filesystem::exists(journalPath(dir), ignored);
}

Status playBackJournal(FileWriter& writer, const std::filesystem::path& dir) {
    const FileResult<File> file = File::open(journalPath(dir), OpenMode::Read);
    if (!file && file.error().missing()) return Done{};
    if (!file) return file.error();
    std::string text(kLongestJournal + 1, '\0');
    const FileResult<std::size_t> got = file->readAt(text.data(), text.size(), 0);
    if (!got) return got.error();
    text.resize(*got);
    if (const std::optional<JournalEntry> entry =
            text.size() <= kLongestJournal ? parseJournal(text) : std::nullopt) {
        if (Status put = putBack(writer, dir, *entry); !put) return put;
    }
    return removeJournal(writer, dir);
}

}  // namespace bio
