#include "register/register_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <string_view>
#include <thread>
#include <utility>
#include <variant>

#include "register/data_directory.h"
#include "register/file_io.h"
#include "register/record_layout.h"
#include "register/register_journal.h"
#include "shell/program.h"
#include "state/numbers.h"

namespace bio {

namespace {

class RegisterFile : public OpenDataFile {
  public:
    explicit RegisterFile(int fd) : fd_(fd) {}
    ~RegisterFile() override { ::close(fd_); }
    RegisterFile(const RegisterFile&) = delete;
    RegisterFile& operator=(const RegisterFile&) = delete;

    int fd() const { return fd_; }

  private:
    int fd_;
};

FileFailure failure(FileStep step, int errorNumber) {
    return {kRegisterFileName, step, errorNumber};
}

bool validRecordNumber(int k) { return k >= 1 && k <= kMaxRecordNumber; }

off_t recordOffset(int k) { return static_cast<off_t>(k - 1) * kRecordBytes; }

// The open register; opened now when the program has another file or none open.
Result<RegisterFile*> openedRegister(Program& p) {
    if (auto* file = dynamic_cast<RegisterFile*>(p.openFile())) return file;
    if (Status opened = openRegister(p); !opened) return opened.error();
    return static_cast<RegisterFile*>(p.openFile());
}

Result<off_t> fileSize(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return failure(FileStep::Read, errno);
    return status.st_size;
}

int wholeRecords(off_t size) { return static_cast<int>(size / kRecordBytes); }

// flock(2) with patience: another program holds the register for one
// operation at a time, which is short.
Status waitForLock(int fd, int operation, std::chrono::milliseconds patience) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + patience;
    Clock::duration pause = std::chrono::milliseconds(1);
    while (::flock(fd, operation | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) return failure(FileStep::Open, errno);
        const Clock::time_point now = Clock::now();
        if (now >= deadline) return RegisterBusy{};
        std::this_thread::sleep_for(std::min(pause, deadline - now));
        pause = std::min<Clock::duration>(pause * 2, std::chrono::milliseconds(20));
    }
    return Done{};
}

// The register locked for one operation: shared while it reads, exclusive
// while it writes, so that no program reads a record half written and no two
// write at one place. flock and not fcntl: its lock belongs to the open file,
// not to the process, so it survives the program opening the register a
// second time (a look at all records) and two programs in one process still
// exclude each other. A journal that a crashed write left is played back
// first.
class RegisterLock {
  public:
    static Result<RegisterLock> take(FileWriter& writer, const std::filesystem::path& dataDir,
                                     int fd, int operation) {
        const std::chrono::milliseconds patience = writer.lockPatience();
        if (Status locked = waitForLock(fd, operation, patience); !locked) return locked.error();
        RegisterLock lock(fd);
        if (!journalPresent(dataDir)) return lock;
        // Putting a record back is a write: the lock turns exclusive and stays so.
        if (Status locked = waitForLock(fd, LOCK_EX, patience); !locked) return locked.error();
        if (Status played = playBackJournal(writer, dataDir); !played) return played.error();
        return lock;
    }
    static Result<RegisterLock> take(Program& p, int fd, int operation) {
        return take(p.fileWriter(), p.dataDir(), fd, operation);
    }
    RegisterLock(RegisterLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    RegisterLock(const RegisterLock&) = delete;
    RegisterLock& operator=(const RegisterLock&) = delete;
    RegisterLock& operator=(RegisterLock&&) = delete;
    ~RegisterLock() {
        if (fd_ >= 0) ::flock(fd_, LOCK_UN);
    }

  private:
    explicit RegisterLock(int fd) : fd_(fd) {}
    int fd_;
};

struct LockedRegister {
    int fd;
    RegisterLock lock;
};

// The open register (opened now if need be), locked for one operation.
Result<LockedRegister> lockedRegister(Program& p, int operation) {
    const Result<RegisterFile*> file = openedRegister(p);
    if (!file) return file.error();
    Result<RegisterLock> lock = RegisterLock::take(p, (*file)->fd(), operation);
    if (!lock) return lock.error();
    return LockedRegister{(*file)->fd(), std::move(*lock)};
}

// The bytes of every whole record in one read under a shared lock, instead of
// one read per record (search, browse and the overview read the register on
// every click); refused for a register of more than `limit` records.
Result<std::string> wholeRecordBytes(FileWriter& writer, const std::filesystem::path& dataDir,
                                     int fd, int limit) {
    const Result<RegisterLock> lock = RegisterLock::take(writer, dataDir, fd, LOCK_SH);
    if (!lock) return lock.error();
    const Result<off_t> size = fileSize(fd);
    if (!size) return size.error();
    if (wholeRecords(*size) > limit) return TooManyRecords{kRegisterFileName, limit};
    std::string bytes(static_cast<std::size_t>(wholeRecords(*size)) * kRecordBytes, '\0');
    const ssize_t got = readAt(fd, bytes.data(), bytes.size(), 0);
    if (got < 0) return failure(FileStep::Read, errno);
    bytes.resize(static_cast<std::size_t>(wholeRecords(got)) * kRecordBytes);
    return bytes;
}

// Writes `bytes`, whole records, from record k on into the locked register,
// `size` bytes long, and flushes them: success is reported only once they are
// on disk. Where they replace existing records the old ones go to the journal
// first, so that a power cut leaves them old or new; beyond the whole records
// no journal is needed, as a record cut short there is no record. A failed
// write puts the old bytes back.
Status writeRecords(Program& p, int fd, int k, std::string_view bytes, off_t size) {
    FileWriter& writer = p.fileWriter();
    const off_t offset = recordOffset(k);
    std::string previous(bytes.size(), '\0');
    const ssize_t kept = readAt(fd, previous.data(), previous.size(), offset);
    if (kept < 0) return failure(FileStep::Read, errno);
    previous.resize(static_cast<std::size_t>(kept));
    const bool existing = k <= wholeRecords(size);
    if (existing) {
        if (Status journaled = writeJournal(writer, p.dataDir(), offset, previous); !journaled)
            return journaled;
    }
    std::size_t written = 0;
    std::optional<FileFailure> failed;
    if (!writeAll(writer, fd, bytes, offset, written) || writer.flush(fd) != 0) {
        failed = failure(FileStep::Write, errno);
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
        failed->undone = writeAll(writer, fd, previous, offset, restored) &&
                         writer.truncate(fd, size) == 0 && writer.flush(fd) == 0;
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
    int fd = writer.open(path, O_RDWR);
    // ENOTDIR: the data directory's path runs through a file; say so about the directory.
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        if (Status prepared = prepareDataDirectory(p.dataDir(), kRegisterFileName); !prepared)
            return prepared;
        fd = writer.open(path, O_RDWR | O_CREAT | O_EXCL);
        if (fd < 0) return failure(FileStep::Create, errno);
        // Without its folder flushed, a new register may vanish in a power cut.
        if (writer.flushFolder(p.dataDir()) != 0) {
            const int error = errno;
            ::close(fd);
            return failure(FileStep::Create, error);
        }
    } else if (fd < 0) {
        return failure(FileStep::Open, errno);
    }
    p.adoptOpenFile(std::make_unique<RegisterFile>(fd));
    return Done{};
}

Result<int> recordCount(Program& p) {
    const Result<LockedRegister> locked = lockedRegister(p, LOCK_SH);
    if (!locked) return locked.error();
    const Result<off_t> size = fileSize(locked->fd);
    if (!size) return size.error();
    return wholeRecords(*size);
}

Result<RegisterRecord> readRecord(Program& p, int k) {
    if (!validRecordNumber(k)) return BadRecordNumber{};
    const Result<LockedRegister> locked = lockedRegister(p, LOCK_SH);
    if (!locked) return locked.error();
    std::string bytes(kRecordBytes, '\0');
    const ssize_t got = readAt(locked->fd, bytes.data(), bytes.size(), recordOffset(k));
    if (got < 0) return failure(FileStep::Read, errno);
    // Beyond the end, or the partial record there: no record, six empty fields.
    if (got < kRecordBytes) return RegisterRecord{};
    return decodeRecord(p.cp932(), bytes);
}

Status writeRecord(Program& p, int k, const RegisterRecord& record) {
    if (!validRecordNumber(k)) return BadRecordNumber{};
    const Result<LockedRegister> locked = lockedRegister(p, LOCK_EX);
    if (!locked) return locked.error();
    const Result<off_t> size = fileSize(locked->fd);
    if (!size) return size.error();
    if (k > wholeRecords(*size) && k > kMaxRecords) return RegisterFull{kMaxRecords};
    return writeRecords(p, locked->fd, k, encodeRecord(p.cp932(), record), *size);
}

Result<int> appendRecords(Program& p, std::vector<RegisterRecord> records) {
    const Result<LockedRegister> locked = lockedRegister(p, LOCK_EX);
    if (!locked) return locked.error();
    const Result<off_t> size = fileSize(locked->fd);
    if (!size) return size.error();
    const int first = wholeRecords(*size) + 1;
    if (first - 1 + static_cast<int>(records.size()) > kMaxRecords)
        return RegisterFull{kMaxRecords};
    std::string bytes;
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].number = numberText(first + static_cast<int>(i));
        bytes += encodeRecord(p.cp932(), records[i]);
    }
    if (Status written = writeRecords(p, locked->fd, first, bytes, *size); !written)
        return written.error();
    return first;
}

Status scanRegister(Program& p, const std::function<void(int k, const RegisterRecord&)>& visit,
                    int limit) {
    if (Status opened = openRegister(p); !opened) return opened;
    const Result<std::string> bytes = wholeRecordBytes(
        p.fileWriter(), p.dataDir(), static_cast<RegisterFile*>(p.openFile())->fd(), limit);
    if (!bytes) return bytes.error();
    const int count = wholeRecords(static_cast<off_t>(bytes->size()));
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
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) return std::vector<RegisterRecord>{};
    if (fd < 0) return failure(FileStep::Open, errno);
    const RegisterFile file(fd);  // closed again on the way out
    const Result<std::string> bytes = wholeRecordBytes(writer, dataDir, fd, kMaxRecords);
    if (!bytes) return bytes.error();
    std::vector<RegisterRecord> records;
    for (std::size_t offset = 0; offset < bytes->size(); offset += kRecordBytes)
        records.push_back(
            decodeRecord(codec, std::string_view(*bytes).substr(offset, kRecordBytes)));
    return records;
}

void recoverRegister(Program& p) {
    if (!journalPresent(p.dataDir())) return;
    const int fd = ::open((p.dataDir() / kRegisterFileName).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    const RegisterFile file(fd);
    // Whatever fails here, the next operation on the register meets again and tells.
    static_cast<void>(RegisterLock::take(p, fd, LOCK_EX));
}

Result<int16_t> recordNumberFromText(const std::string& text) {
    const auto number = wholeNumber16(text);
    if (number && *number >= 1) return *number;
    return BadRecordNumber{};
}

}  // namespace bio
