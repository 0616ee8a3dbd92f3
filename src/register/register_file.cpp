#include "register/register_file.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

#include "register/data_directory.h"
#include "register/record_layout.h"
#include "register/register_journal.h"
#include "shell/program.h"
#include "state/numbers.h"

namespace bio {

namespace {

class RegisterFile : public OpenDataFile {
  public:
    explicit RegisterFile(File file) : file_(std::move(file)) {}

    File& file() { return file_; }

  private:
    File file_;
};

bool validRecordNumber(int k) { return k >= 1 && k <= kMaxRecordNumber; }

// The furthest record the program reads or writes lies before the byte that
// locks stand on, which Windows would otherwise keep from other programs.
static_assert(std::uint64_t{kMaxRecordNumber} * kRecordBytes < kLockedByte);

std::uint64_t recordOffset(int k) { return static_cast<std::uint64_t>(k - 1) * kRecordBytes; }

// The open register; opened now when the program has another file or none open.
Result<RegisterFile*> openedRegister(Program& p) {
    if (auto* file = dynamic_cast<RegisterFile*>(p.openFile())) return file;
    if (Status opened = openRegister(p); !opened) return opened.error();
    return static_cast<RegisterFile*>(p.openFile());
}

int wholeRecords(std::uint64_t size) { return static_cast<int>(size / kRecordBytes); }

// The writer's lock, or RegisterBusy when another program kept it past the
// writer's patience.
Status waitForLock(FileWriter& writer, File& file, LockKind kind) {
    const FileResult<bool> locked = writer.lock(file, kind);
    if (!locked) return locked.error();
    if (!*locked) return RegisterBusy{};
    return Done{};
}

// The register locked for one operation: shared while it reads, exclusive
// while it writes, so that no program reads a record half written and no two
// write at one place. The lock belongs to the open file, so it survives the
// program opening the register a second time (a look at all records), and
// two programs in one process still exclude each other. A journal that a
// crashed write left is played back first.
class RegisterLock {
  public:
    static Result<RegisterLock> take(FileWriter& writer, const std::filesystem::path& dataDir,
                                     File& file, LockKind kind) {
        if (Status locked = waitForLock(writer, file, kind); !locked) return locked.error();
        RegisterLock lock(file);
        if (!journalPresent(dataDir)) return lock;
        // Putting a record back is a write: the lock turns exclusive and stays so.
        if (Status locked = waitForLock(writer, file, LockKind::Exclusive); !locked)
            return locked.error();
        if (Status played = playBackJournal(writer, dataDir); !played) return played.error();
        return lock;
    }
    static Result<RegisterLock> take(Program& p, File& file, LockKind kind) {
        return take(p.fileWriter(), p.dataDir(), file, kind);
    }
    RegisterLock(RegisterLock&& other) noexcept : file_(std::exchange(other.file_, nullptr)) {}
    RegisterLock(const RegisterLock&) = delete;
    RegisterLock& operator=(const RegisterLock&) = delete;
    RegisterLock& operator=(RegisterLock&&) = delete;
    ~RegisterLock() {
        if (file_) file_->unlock();
    }

  private:
    explicit RegisterLock(File& file) : file_(&file) {}
    File* file_;
};

struct LockedRegister {
    File* file;
    RegisterLock lock;
};

// The open register (opened now if need be), locked for one operation.
Result<LockedRegister> lockedRegister(Program& p, LockKind kind) {
    const Result<RegisterFile*> file = openedRegister(p);
    if (!file) return file.error();
    Result<RegisterLock> lock = RegisterLock::take(p, (*file)->file(), kind);
    if (!lock) return lock.error();
    return LockedRegister{&(*file)->file(), std::move(*lock)};
}

// The bytes of every whole record in one read under a shared lock, instead of
// one read per record (search, browse and the overview read the register on
// every click); refused for a register of more than `limit` records.
Result<std::string> wholeRecordBytes(FileWriter& writer, const std::filesystem::path& dataDir,
                                     File& file, int limit) {
    const Result<RegisterLock> lock = RegisterLock::take(writer, dataDir, file, LockKind::Shared);
    if (!lock) return lock.error();
    const FileResult<std::uint64_t> size = file.size();
    if (!size) return size.error();
    if (wholeRecords(*size) > limit) return TooManyRecords{kRegisterFileName, limit};
    std::string bytes(static_cast<std::size_t>(wholeRecords(*size)) * kRecordBytes, '\0');
    const FileResult<std::size_t> got = file.readAt(bytes.data(), bytes.size(), 0);
    if (!got) return got.error();
    bytes.resize(static_cast<std::size_t>(wholeRecords(*got)) * kRecordBytes);
    return bytes;
}

// Writes `bytes`, whole records, from record k on into the locked register,
// `size` bytes long, and flushes them: success is reported only once they are
// on disk. Where they replace existing records the old ones go to the journal
// first, so that a power cut leaves them old or new; beyond the whole records
// no journal is needed, as a record cut short there is no record. A failed
// write puts the old bytes back.
Status writeRecords(Program& p, File& file, int k, std::string_view bytes, std::uint64_t size) {
    FileWriter& writer = p.fileWriter();
    const std::uint64_t offset = recordOffset(k);
    std::string previous(bytes.size(), '\0');
    const FileResult<std::size_t> kept = file.readAt(previous.data(), previous.size(), offset);
    if (!kept) return kept.error();
    previous.resize(*kept);
    const bool existing = k <= wholeRecords(size);
    if (existing) {
        if (Status journaled = writeJournal(writer, p.dataDir(), offset, previous); !journaled)
            return journaled;
    }
    std::size_t written = 0;
    std::optional<FileFailure> failed;
    FileStatus done = writeAll(writer, file, bytes, offset, written);
    if (done) done = writer.flush(file);
    if (!done) {
        failed = done.error();
    } else if (existing) {
        // Until the journal is gone for good, a crash would put the old record back.
        if (Status removed = removeJournal(writer, p.dataDir()); !removed)
            failed = std::get<FileFailure>(removed.error());
    }
    if (!failed) return Done{};
    // Neither a torn record nor a longer file should remain, nor a record the
    // user is told was not written; if one does, the user hears of it.
    if (written > 0) {
        std::size_t restored = 0;
        failed->undone = writeAll(writer, file, previous, offset, restored) &&
                         writer.truncate(file, size) && writer.flush(file);
    }
    // With the old bytes back, a journal left behind would only repeat them.
    if (existing && failed->undone) static_cast<void>(removeJournal(writer, p.dataDir()));
    return *failed;
}

}  // namespace

Status openRegister(Program& p) {
    p.closeAllFiles();
    const std::filesystem::path path = p.dataDir() / kRegisterFileName;
    FileWriter& writer = p.fileWriter();
    FileResult<File> file = writer.open(path, OpenMode::ReadWrite);
    // Missing also when the data directory's path runs through a file; say so
    // about the directory.
    if (!file && file.error().missing()) {
        if (Status prepared = prepareDataDirectory(p.dataDir(), kRegisterFileName); !prepared)
            return prepared;
        file = writer.open(path, OpenMode::CreateNew);
        if (!file) return file.error();
        // Without its folder flushed, a new register may vanish in a power cut.
        if (FileStatus flushed = writer.flushFolder(p.dataDir()); !flushed)
            return flushed.error().as(kRegisterFileName, FileStep::Create);
    } else if (!file) {
        return file.error();
    }
    p.adoptOpenFile(std::make_unique<RegisterFile>(std::move(*file)));
    return Done{};
}

Result<int> recordCount(Program& p) {
    const Result<LockedRegister> locked = lockedRegister(p, LockKind::Shared);
    if (!locked) return locked.error();
    const FileResult<std::uint64_t> size = locked->file->size();
    if (!size) return size.error();
    return wholeRecords(*size);
}

Result<RegisterRecord> readRecord(Program& p, int k) {
    if (!validRecordNumber(k)) return BadRecordNumber{};
    const Result<LockedRegister> locked = lockedRegister(p, LockKind::Shared);
    if (!locked) return locked.error();
    std::string bytes(kRecordBytes, '\0');
    const FileResult<std::size_t> got =
        locked->file->readAt(bytes.data(), bytes.size(), recordOffset(k));
    if (!got) return got.error();
    // Beyond the end, or the partial record there: no record, six empty fields.
    if (*got < kRecordBytes) return RegisterRecord{};
    return decodeRecord(p.cp932(), bytes);
}

Status writeRecord(Program& p, int k, const RegisterRecord& record) {
    if (!validRecordNumber(k)) return BadRecordNumber{};
    const Result<LockedRegister> locked = lockedRegister(p, LockKind::Exclusive);
    if (!locked) return locked.error();
    const FileResult<std::uint64_t> size = locked->file->size();
    if (!size) return size.error();
    if (k > wholeRecords(*size) && k > kMaxRecords) return RegisterFull{kMaxRecords};
    return writeRecords(p, *locked->file, k, encodeRecord(p.cp932(), record), *size);
}

Result<int> appendRecords(Program& p, std::vector<RegisterRecord> records) {
    const Result<LockedRegister> locked = lockedRegister(p, LockKind::Exclusive);
    if (!locked) return locked.error();
    const FileResult<std::uint64_t> size = locked->file->size();
    if (!size) return size.error();
    const int first = wholeRecords(*size) + 1;
    if (first - 1 + static_cast<int>(records.size()) > kMaxRecords)
        return RegisterFull{kMaxRecords};
    std::string bytes;
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].number = numberText(first + static_cast<int>(i));
        bytes += encodeRecord(p.cp932(), records[i]);
    }
    if (Status written = writeRecords(p, *locked->file, first, bytes, *size); !written)
        return written.error();
    return first;
}

Status scanRegister(Program& p, const std::function<void(int k, const RegisterRecord&)>& visit,
                    int limit) {
    if (Status opened = openRegister(p); !opened) return opened;
    const Result<std::string> bytes = wholeRecordBytes(
        p.fileWriter(), p.dataDir(), static_cast<RegisterFile*>(p.openFile())->file(), limit);
    if (!bytes) return bytes.error();
    const int count = wholeRecords(bytes->size());
    const std::string_view all(*bytes);

    // The counter lives in recno and ends at N + 2: the read at N + 1 finds no
    // record and still advances it. Callers rely on that final value.
    int16_t& recno = p.state().recno;
    recno = 1;
    for (;;) {
        const int k = recno;
        const bool whole = k <= count;
        if (whole) visit(k, decodeRecord(p.cp932(), all.substr(recordOffset(k), kRecordBytes)));
        recno = static_cast<int16_t>(k + 1);
        if (!whole) return Done{};
    }
}

Result<std::vector<RegisterRecord>> readAllRecords(Program& p) {
    p.closeAllFiles();
    return readAllRecords(p.dataDir(), p.cp932(), p.fileWriter());
}

Result<std::vector<RegisterRecord>> readAllRecords(const std::filesystem::path& dataDir,
                                                   const Cp932& codec, FileWriter& writer) {
    const std::filesystem::path path = dataDir / kRegisterFileName;
    FileResult<File> file = File::open(path, OpenMode::Read);  // closed again on the way out
    if (!file && file.error().missing()) return std::vector<RegisterRecord>{};
    if (!file) return file.error();
    const Result<std::string> bytes = wholeRecordBytes(writer, dataDir, *file, kMaxRecords);
    if (!bytes) return bytes.error();
    std::vector<RegisterRecord> records;
    for (std::size_t offset = 0; offset < bytes->size(); offset += kRecordBytes)
        records.push_back(
            decodeRecord(codec, std::string_view(*bytes).substr(offset, kRecordBytes)));
    return records;
}

void recoverRegister(Program& p) {
    if (!journalPresent(p.dataDir())) return;
    FileResult<File> file = File::open(p.dataDir() / kRegisterFileName, OpenMode::Read);
    if (!file) return;
    // Whatever fails here, the next operation on the register meets again and tells.
    static_cast<void>(RegisterLock::take(p, *file, LockKind::Exclusive));
}

Result<int16_t> recordNumberFromText(const std::string& text) {
    const auto number = wholeNumber16(text);
    if (number && *number >= 1) return *number;
    return BadRecordNumber{};
}

}  // namespace bio
