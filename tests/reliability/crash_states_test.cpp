// A power cut at any moment of a register write. The file operations of
// aisyou's "登録" and of kousin's "更新" are recorded through the program's
// file writer; then every state a disk may be left in is built: after each
// prefix of the operations, any change since the flush that keeps it may be
// lost, and a write cut at a 512-byte sector boundary. What a flush keeps is
// each system's own promise, and both are checked on every build:
// - POSIX: fsync of a file keeps its bytes and length; fsync of the folder
//   keeps the files created, removed and renamed in it;
// - Windows: a folder flush promises nothing; FlushFileBuffers keeps the
//   file's bytes and its own metadata: its length, its creation and the new
//   name a rename gave it (a removal is never kept by anything).
// The program opens each state (playing back a journal if it finds one):
// every record is whole, old or new, and every write the program had
// reported done is there.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/path.h"
#include "register/register_file.h"
#include "register/register_journal.h"
#include "testing/program_fixture.h"

namespace bio {
namespace {

using testing::readBytes;
using testing::seedRecords;
using testing::TestProgram;
using testing::writeBytes;

constexpr std::size_t kSector = 512;

// The system whose promise the disk keeps, and the file writer then follows.
enum class System { Posix, Windows };

struct Operation {
    enum class Kind { Create, Write, Truncate, Flush, Remove, Rename, FlushFolder };
    Operation(Kind kind, std::string file = {}, std::uint64_t offset = 0, std::string bytes = {})
        : kind(kind), file(std::move(file)), offset(offset), bytes(std::move(bytes)) {}
    bool inFolder() const {
        return kind == Kind::Create || kind == Kind::Remove || kind == Kind::Rename;
    }

    Kind kind;
    std::string file;             // of a flush or write: the name the file was opened by
    std::uint64_t offset;         // of a truncation: the new length
    std::string bytes;            // of a rename: the new name
    std::size_t shownBefore = 0;  // how many dialogs the program had shown
};
using Kind = Operation::Kind;

// A file's name as the operations and states keep it.
std::string nameOf(const std::filesystem::path& file) { return utf8Text(file.filename()); }

// Does what the system's writer does and writes down each change to a file
// of the data directory, with how many dialogs had been shown by then.
class RecordingWriter : public FileWriter {
  public:
    RecordingWriter(const std::vector<std::string>& shown, System system)
        : shown_(shown), system_(system) {}

    NameKeeping nameKeeping() const override {
        return system_ == System::Posix ? NameKeeping::FolderFlush : NameKeeping::FileFlush;
    }

    FileResult<File> open(const std::filesystem::path& file, OpenMode mode) override {
        const bool existed = std::filesystem::exists(file);
        FileResult<File> opened = FileWriter::open(file, mode);
        if (opened && !existed) record({Kind::Create, nameOf(file)});
        return opened;
    }
    FileResult<std::size_t> writeSomeAt(File& file, std::string_view bytes,
                                        std::uint64_t offset) override {
        const FileResult<std::size_t> put = FileWriter::writeSomeAt(file, bytes, offset);
        if (put)
            record({Kind::Write, nameOf(file.path()), offset, std::string(bytes.substr(0, *put))});
        return put;
    }
    FileStatus truncate(File& file, std::uint64_t size) override {
        return done(FileWriter::truncate(file, size), {Kind::Truncate, nameOf(file.path()), size});
    }
    FileStatus flush(File& file) override {
        return done(FileWriter::flush(file), {Kind::Flush, nameOf(file.path())});
    }
    FileStatus remove(const std::filesystem::path& file) override {
        return done(FileWriter::remove(file), {Kind::Remove, nameOf(file)});
    }
    FileStatus rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return done(FileWriter::rename(from, to), {Kind::Rename, nameOf(from), 0, nameOf(to)});
    }
    FileStatus flushFolder(const std::filesystem::path& folder) override {
        return done(FileWriter::flushFolder(folder), {Kind::FlushFolder});
    }

    std::vector<Operation> operations;

  private:
    FileStatus done(FileStatus result, Operation operation) {
        if (result) record(std::move(operation));
        return result;
    }
    void record(Operation operation) {
        operation.shownBefore = shown_.size();
        operations.push_back(std::move(operation));
    }

    const std::vector<std::string>& shown_;
    System system_;
};

using Files = std::map<std::string, std::string>;  // name -> bytes

// Whether `flush` keeps the earlier `change` through a power cut.
bool keeps(System system, const Operation& flush, const Operation& change) {
    if (flush.kind == Kind::FlushFolder) return system == System::Posix && change.inFolder();
    if (change.file != flush.file) return false;
    if (change.kind == Kind::Write || change.kind == Kind::Truncate) return true;
    return system == System::Windows &&
           (change.kind == Kind::Create || change.kind == Kind::Rename);
}

// How much of an unflushed change the disk may have kept: none, the whole, or
// (of a write) its sectors up to a boundary inside it.
std::vector<std::size_t> keepings(const Operation& op) {
    if (op.kind != Kind::Write) return {0, 1};
    std::vector<std::size_t> kept{0};
    const auto offset = static_cast<std::size_t>(op.offset);
    for (std::size_t end = (offset / kSector + 1) * kSector; end < offset + op.bytes.size();
         end += kSector)
        kept.push_back(end - offset);
    kept.push_back(op.bytes.size());
    return kept;
}

// The disk's files and their bytes.
struct Disk {
    Files contents;  // also of names no longer there
    std::set<std::string> names;

    // Applies `kept` of the change, as keepings() counts it: a write of none
    // may still have made the file longer, the other changes are not there.
    void apply(const Operation& change, std::size_t kept) {
        std::string& bytes = contents[change.file];
        if (kept == 0 && change.kind != Kind::Write) return;
        switch (change.kind) {
            case Kind::Create:
                names.insert(change.file);
                break;
            case Kind::Remove:
                names.erase(change.file);
                break;
            case Kind::Rename:
                names.erase(change.file);
                names.insert(change.bytes);
                contents[change.bytes] = bytes;
                break;
            case Kind::Truncate:
                bytes.resize(static_cast<std::size_t>(change.offset), '\0');
                break;
            case Kind::Write: {
                const auto offset = static_cast<std::size_t>(change.offset);
                if (bytes.size() < offset + kept) bytes.resize(offset + kept, '\0');
                bytes.replace(offset, kept, change.bytes.substr(0, kept));
                break;
            }
            case Kind::Flush:
            case Kind::FlushFolder:
                break;
        }
    }
    Files files() const {
        Files state;
        for (const std::string& name : names) state[name] = contents.at(name);
        return state;
    }
};

// Every disk a power cut after the first `count` operations may leave.
std::vector<Files> crashStates(System system, const Files& before,
                               const std::vector<Operation>& ops, std::size_t count) {
    Disk durable{before, {}};
    for (const auto& [name, bytes] : before) durable.names.insert(name);
    std::vector<const Operation*> unflushed;
    for (std::size_t i = 0; i < count; ++i) {
        const Operation& op = ops[i];
        if (op.kind != Kind::Flush && op.kind != Kind::FlushFolder) {
            unflushed.push_back(&op);
            continue;
        }
        std::erase_if(unflushed, [&](const Operation* change) {
            if (!keeps(system, op, *change)) return false;
            durable.apply(*change, keepings(*change).back());
            return true;
        });
    }

    std::vector<std::vector<std::size_t>> choices;
    for (const Operation* change : unflushed) choices.push_back(keepings(*change));
    std::vector<Files> states;
    std::vector<std::size_t> pick(choices.size(), 0);
    for (;;) {
        Disk disk = durable;
        for (std::size_t j = 0; j < unflushed.size(); ++j)
            disk.apply(*unflushed[j], choices[j][pick[j]]);
        states.push_back(disk.files());
        std::size_t j = 0;
        while (j < pick.size() && ++pick[j] == choices[j].size()) pick[j++] = 0;
        if (j == pick.size()) return states;
    }
}

// A command's file operations, the register before and after it, the dialogs
// it showed and the one that reports its first changed record written.
struct Recording {
    Files files;
    std::vector<Operation> ops;
    std::string before, after;
    std::vector<std::string> shown;
    std::string report;
};

// Runs `command` on a register of `count` records with the writer recording.
Recording recordCommand(System system, int count, const std::function<void(Program&)>& prepare,
                        const std::function<void(Program&)>& command,
                        const std::string& chosenFile = {}) {
    TestProgram t;
    Program& p = t.start();
    if (!chosenFile.empty()) t.dialogs.queueFile(utf8Text(t.file(chosenFile)));
    writeBytes(t.file(kRegisterFileName), seedRecords(p.cp932(), count));
    prepare(p);
    if (count == 0) std::filesystem::remove(t.file(kRegisterFileName));  // the command creates it
    p.closeAllFiles();
    t.events.lines.clear();

    RecordingWriter writer(t.events.lines, system);
    p.useFileWriter(writer);
    Recording recording;
    for (const auto& entry : std::filesystem::directory_iterator(t.dir.path()))
        recording.files[nameOf(entry.path())] = readBytes(entry.path());
    recording.before = recording.files[kRegisterFileName];
    command(p);
    recording.ops = writer.operations;
    recording.after = readBytes(t.file(chosenFile.empty() ? kRegisterFileName : chosenFile));
    recording.shown = t.events.lines;
    return recording;
}

std::optional<std::string> recordIn(const std::string& bytes, int k) {
    if (k * kRecordBytes > static_cast<int>(bytes.size())) return std::nullopt;
    return bytes.substr((k - 1) * kRecordBytes, kRecordBytes);
}

// Opens the state as the program would after the power cut and checks it.
void checkState(const Files& state, const Recording& recording, std::size_t done) {
    TestProgram t;
    for (const auto& [name, bytes] : state) writeBytes(t.file(name), bytes);
    Program& p = t.start();
    ASSERT_TRUE(readAllRecords(p));
    EXPECT_FALSE(std::filesystem::exists(t.file(kJournalFileName)));
    EXPECT_TRUE(t.events.lines.empty());

    const bool complete = done == recording.ops.size();
    const auto shownEnd = recording.shown.begin() +
                          static_cast<std::ptrdiff_t>(complete ? recording.shown.size()
                                                               : recording.ops[done].shownBefore);
    const bool reported =
        std::find(recording.shown.begin(), shownEnd, recording.report) != shownEnd;
    const std::string now = readBytes(t.file(kRegisterFileName));
    const int records =
        static_cast<int>(std::max(now.size(), recording.after.size())) / kRecordBytes;
    bool firstChange = true;
    for (int k = 1; k <= records; ++k) {
        const auto old = recordIn(recording.before, k), written = recordIn(recording.after, k);
        if (old == written) {
            EXPECT_EQ(recordIn(now, k), old) << "record " << k << " changed";
            continue;
        }
        if (complete || (reported && firstChange)) {
            EXPECT_EQ(recordIn(now, k), written) << "record " << k << " was reported written";
        } else {
            EXPECT_TRUE(recordIn(now, k) == written || recordIn(now, k) == old)
                << "record " << k << " is neither old nor new";
        }
        firstChange = false;
    }
}

int checkEveryCrashState(System system, const Recording& recording) {
    int checked = 0;
    for (std::size_t done = 0; done <= recording.ops.size(); ++done) {
        for (const Files& state : crashStates(system, recording.files, recording.ops, done)) {
            SCOPED_TRACE(::testing::Message() << done << " operations done, state " << checked);
            checkState(state, recording, done);
            ++checked;
            if (::testing::Test::HasFailure()) return checked;
        }
    }
    return checked;
}

class CrashStates : public ::testing::TestWithParam<System> {};

TEST_P(CrashStates, EveryRecordStaysWholeAndEveryReportedWriteStays) {
    const System system = GetParam();
    int checked = 0;
    // Registers of 0 (created by the command), 1, 11 and 12 records: the new
    // pair lands before, across and after the first sector boundary.
    for (int count : {0, 1, 11, 12}) {
        SCOPED_TRACE(::testing::Message() << "登録 on " << count << " records");
        Recording recording = recordCommand(
            system, count,
            [](Program& p) {
                p.move(ScreenId::baio, ScreenId::menyu);
                p.click(ScreenId::menyu, "Command4");
                p.screen(ScreenId::aisyou).setText("Text7", "新しい一人目");
                p.screen(ScreenId::aisyou).setText("Text8", "新しい二人目");
            },
            [](Program& p) { p.click(ScreenId::aisyou, "Command2"); });
        recording.report = "msgbox \"保存しました。\" title \"\" -> ok";
        checked += checkEveryCrashState(system, recording);
    }
    // Updates of records in the first sector, across its end and after it,
    // and an update that appends.
    for (int k : {1, 12, 13, 14, 15}) {
        SCOPED_TRACE(::testing::Message() << "更新 of record " << k);
        Recording recording = recordCommand(
            system, 14,
            [k](Program& p) {
                p.move(ScreenId::baio, ScreenId::menyu);
                p.click(ScreenId::menyu, "Command2");
                p.screen(ScreenId::kousin).setText("Text1(0)", std::to_string(k));
                p.screen(ScreenId::kousin).setText("Text2(0)", "書き換えた名前");
            },
            [](Program& p) { p.click(ScreenId::kousin, "Command2"); });
        recording.report = "msgbox \"更新しました。\" title \"\" -> ok";
        checked += checkEveryCrashState(system, recording);
    }
    std::cout << "crash states checked: " << checked << '\n';
}

// The files replaced whole (the last-entry file and the exports): after a
// power cut at any moment each is its old self or its new self, and new once
// the command has ended.
TEST_P(CrashStates, AReplacedFileIsOldOrNewNeverCut) {
    const System system = GetParam();
    const struct {
        const char* name;
        std::function<void(Program&)> prepare, command;
        std::string file;
    } commands[] = {
        {"a reading", [](Program& p) { p.screen(ScreenId::baio).setText("Text7", "新しい名前"); },
         [](Program& p) { p.click(ScreenId::baio, "Command1"); }, "kojinfl.txt"},
        {"CSVへ書き出し",
         [](Program& p) {
             p.move(ScreenId::baio, ScreenId::menyu);
             p.click(ScreenId::menyu, "Command5");
         },
         [](Program& p) { p.click(ScreenId::hyouji, "Command2"); }, "登録簿.csv"},
        {"カレンダー書き出し",
         [](Program& p) {
             p.move(ScreenId::baio, ScreenId::menyu);
             p.click(ScreenId::menyu, "Command7");
         },
         [](Program& p) { p.click(ScreenId::itiran, "Command3"); }, "予定.ics"},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command.name);
        const Recording recording =
            recordCommand(system, 3, command.prepare, command.command, command.file);
        ASSERT_NE(recording.after, "");
        const auto old = recording.files.find(command.file);
        const std::string before = old == recording.files.end() ? "" : old->second;
        for (std::size_t done = 0; done <= recording.ops.size(); ++done) {
            for (const Files& state : crashStates(system, recording.files, recording.ops, done)) {
                const auto found = state.find(command.file);
                const std::string now = found == state.end() ? "" : found->second;
                if (done == recording.ops.size()) {
                    EXPECT_EQ(now, recording.after) << "the command ended, and its file is not new";
                } else {
                    EXPECT_TRUE(now == before || now == recording.after) << done << " operations";
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachSystemsPromise, CrashStates,
                         ::testing::Values(System::Posix, System::Windows),
                         [](const ::testing::TestParamInfo<System>& info) {
                             return info.param == System::Posix ? "Posix" : "Windows";
                         });

}  // namespace
}  // namespace bio
