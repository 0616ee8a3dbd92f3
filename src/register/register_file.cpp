#include "register/register_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "register/data_directory.h"
#include "register/record_layout.h"
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

// Reads `size` bytes at `offset`, fewer only where the file ends; -1 with errno
// set on failure.
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

// Writes all of `bytes` at `offset`; false with errno set on failure, `done`
// then telling how many bytes went in. Writing past the end leaves a hole,
// which reads as zero bytes.
bool writeAt(int fd, std::string_view bytes, off_t offset, std::size_t& done) {
    done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                     offset + static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            if (put == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

Result<off_t> fileSize(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return failure(FileStep::Read, errno);
    return status.st_size;
}

int wholeRecords(off_t size) { return static_cast<int>(size / kRecordBytes); }

// The bytes of every whole record in one read instead of one per record (search,
// browse and the overview read the register on every click); refused for a
// register of more than `limit` records.
Result<std::string> wholeRecordBytes(int fd, int limit) {
    const Result<off_t> size = fileSize(fd);
    if (!size) return size.error();
    if (wholeRecords(*size) > limit) return TooManyRecords{kRegisterFileName, limit};
    std::string bytes(static_cast<std::size_t>(wholeRecords(*size)) * kRecordBytes, '\0');
    const ssize_t got = readAt(fd, bytes.data(), bytes.size(), 0);
    if (got < 0) return failure(FileStep::Read, errno);
    bytes.resize(static_cast<std::size_t>(wholeRecords(got)) * kRecordBytes);
    return bytes;
}

}  // namespace

Status openRegister(Program& p) {
    p.closeAllFiles();
    const std::filesystem::path path = p.dataDir() / kRegisterFileName;
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    // ENOTDIR: the data directory's path runs through a file; say so about the directory.
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        if (Status prepared = prepareDataDirectory(p.dataDir(), kRegisterFileName); !prepared)
            return prepared;
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) return failure(FileStep::Create, errno);
    } else if (fd < 0) {
        return failure(FileStep::Open, errno);
    }
    p.adoptOpenFile(std::make_unique<RegisterFile>(fd));
    return Done{};
}

Result<int> recordCount(Program& p) {
    const Result<RegisterFile*> file = openedRegister(p);
    if (!file) return file.error();
    const Result<off_t> size = fileSize((*file)->fd());
    if (!size) return size.error();
    return wholeRecords(*size);
}

Result<RegisterRecord> readRecord(Program& p, int k) {
    if (!validRecordNumber(k)) return BadRecordNumber{};
    const Result<RegisterFile*> file = openedRegister(p);
    if (!file) return file.error();
    std::string bytes(kRecordBytes, '\0');
    const ssize_t got = readAt((*file)->fd(), bytes.data(), bytes.size(), recordOffset(k));
    if (got < 0) return failure(FileStep::Read, errno);
    // Beyond the end, or the partial record there: no record, six empty fields.
    if (got < kRecordBytes) return RegisterRecord{};
    return decodeRecord(p.cp932(), bytes);
}

Status writeRecord(Program& p, int k, const RegisterRecord& record) {
    if (!validRecordNumber(k)) return BadRecordNumber{};
    const Result<RegisterFile*> file = openedRegister(p);
    if (!file) return file.error();
    const int fd = (*file)->fd();
    const Result<off_t> size = fileSize(fd);
    if (!size) return size.error();
    if (k > wholeRecords(*size) && k > kMaxRecords) return RegisterFull{kMaxRecords};
    const off_t offset = recordOffset(k);
    // The bytes the write replaces, to put back should it fail halfway.
    std::string previous(kRecordBytes, '\0');
    const ssize_t kept = readAt(fd, previous.data(), previous.size(), offset);
    if (kept < 0) return failure(FileStep::Read, errno);
    previous.resize(static_cast<std::size_t>(kept));
    std::size_t written = 0;
    if (!writeAt(fd, encodeRecord(p.cp932(), record), offset, written)) {
        FileFailure failed = failure(FileStep::Write, errno);
        // Neither a torn record nor a longer file should remain; if one does, the user hears of it.
        if (written > 0) {
            std::size_t restored = 0;
            failed.undone = writeAt(fd, previous, offset, restored) && ::ftruncate(fd, *size) == 0;
        }
        return failed;
    }
    return Done{};
}

Status appendRecords(Program& p, const std::vector<RegisterRecord>& records) {
    const Result<RegisterFile*> file = openedRegister(p);
    if (!file) return file.error();
    const int fd = (*file)->fd();
    const Result<off_t> size = fileSize(fd);
    if (!size) return size.error();
    const int count = wholeRecords(*size);
    if (count + static_cast<int>(records.size()) > kMaxRecords) return RegisterFull{kMaxRecords};
    std::string bytes;
    for (const RegisterRecord& record : records) bytes += encodeRecord(p.cp932(), record);
    const off_t offset = recordOffset(count + 1);
    // The partial record the append writes over, to put back should it fail.
    std::string tail(static_cast<std::size_t>(*size - offset), '\0');
    if (readAt(fd, tail.data(), tail.size(), offset) < 0) return failure(FileStep::Read, errno);
    std::size_t written = 0;
    if (writeAt(fd, bytes, offset, written) && ::fsync(fd) == 0) return Done{};
    FileFailure failed = failure(FileStep::Write, errno);
    // None of the new records may stay: they were to be added all together.
    std::size_t restored = 0;
    failed.undone =
        ::ftruncate(fd, *size) == 0 && writeAt(fd, tail, offset, restored) && ::fsync(fd) == 0;
    return failed;
}

Status scanRegister(Program& p, const std::function<void(int k, const RegisterRecord&)>& visit,
                    int limit) {
    if (Status opened = openRegister(p); !opened) return opened;
    const Result<std::string> bytes =
        wholeRecordBytes(static_cast<RegisterFile*>(p.openFile())->fd(), limit);
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
    return readAllRecords(p.dataDir(), p.cp932());
}

Result<std::vector<RegisterRecord>> readAllRecords(const std::filesystem::path& dataDir,
                                                   const Cp932& codec) {
    const std::filesystem::path path = dataDir / kRegisterFileName;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) return std::vector<RegisterRecord>{};
    if (fd < 0) return failure(FileStep::Open, errno);
    const RegisterFile file(fd);  // closed again on the way out
    const Result<std::string> bytes = wholeRecordBytes(fd, kMaxRecords);
    if (!bytes) return bytes.error();
    std::vector<RegisterRecord> records;
    for (std::size_t offset = 0; offset < bytes->size(); offset += kRecordBytes)
        records.push_back(
            decodeRecord(codec, std::string_view(*bytes).substr(offset, kRecordBytes)));
    return records;
}

Result<int16_t> recordNumberFromText(const std::string& text) {
    const auto number = wholeNumber16(text);
    if (number && *number >= 1) return *number;
    return BadRecordNumber{};
}

}  // namespace bio
