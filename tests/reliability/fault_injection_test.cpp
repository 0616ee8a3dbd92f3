// The program under hostile conditions: a directory it cannot write, a folder
// where the register belongs, writes that fail half-way, garbage in the
// last-entry file. Whatever happens, the user is told, no stored byte is lost
// and the program goes on.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "register/record_layout.h"
#include "testing/file_permissions.h"
#include "testing/program_fixture.h"

namespace bio {
namespace {

using testing::readBytes;
using testing::TestProgram;
using testing::withFilePermissions;
using testing::writeBytes;

const std::string kLastEntry = "kojinfl.txt";
const std::string kRegister = "kojinfl2.txt";

// Three records written through the update screen, as a user would.
void seedThreeRecords(TestProgram& t) {
    Program& p = t.start();
    p.click(ScreenId::baio, "Command2");
    p.click(ScreenId::menyu, "Command2");
    Screen& kousin = p.screen(ScreenId::kousin);
    const char* names[] = {"山田太郎", "佐藤花子", "鈴木一郎"};
    for (int k = 1; k <= 3; ++k) {
        kousin.setText("Text1(0)", std::to_string(k));
        kousin.setText("Text2(0)", names[k - 1]);
        kousin.setText("Text3(0)", "昭和");
        kousin.setText("Text4(0)", "40");
        kousin.setText("Text5(0)", "5");
        kousin.setText("Text6(0)", std::to_string(k));
        p.click(ScreenId::kousin, "Command2");
    }
    p.click(ScreenId::kousin, "Command1");
    p.click(ScreenId::menyu, "Command1");
    Screen& baio = p.screen(ScreenId::baio);
    baio.setText("Text7", "ＡＢＣＤ");
    baio.select("Option3");
    baio.setText("Text1", "38");
    baio.setText("Text2", "5");
    baio.setText("Text3", "10");
    p.click(ScreenId::baio, "Command1");  // writes the last-entry file
    p.closeAllFiles();
    t.events.lines.clear();
}

bool hasWarning(const std::vector<std::string>& lines, const std::string& file) {
    for (const auto& line : lines)
        if (line.find("title \"誤り警告\"") != std::string::npos &&
            line.find(file) != std::string::npos)
            return true;
    return false;
}

// Every command that writes a data file, each from the screen it belongs to.
void runEveryWritingCommand(Program& p, std::vector<std::string>& events) {
    // A reading rewrites the last-entry file and still completes.
    p.show(ScreenId::baio);
    p.screen(ScreenId::baio).setText("Text7", "別人");
    p.click(ScreenId::baio, "Command1");
    EXPECT_TRUE(hasWarning(events, kLastEntry));
    EXPECT_TRUE(p.visible(ScreenId::sindan));
    EXPECT_EQ(p.screen(ScreenId::sindan).text("Text9"), "23222");
    events.clear();

    // An update of the register.
    p.click(ScreenId::sindan, "menyuhe");
    p.click(ScreenId::menyu, "Command2");
    Screen& kousin = p.screen(ScreenId::kousin);
    kousin.setText("Text1(0)", "2");
    kousin.setText("Text2(0)", "書き換え");
    p.click(ScreenId::kousin, "Command2");
    EXPECT_TRUE(hasWarning(events, kRegister));
    EXPECT_EQ(kousin.text("Text2(0)"), "書き換え");  // the typed text is not lost
    events.clear();

    // Registering both persons of the compatibility screen.
    p.click(ScreenId::kousin, "Command1");
    p.click(ScreenId::menyu, "Command4");
    p.click(ScreenId::aisyou, "Command2");
    EXPECT_TRUE(hasWarning(events, kRegister));
    EXPECT_TRUE(p.visible(ScreenId::aisyou));
    EXPECT_FALSE(p.ended());
}

TEST(ReadOnlyDirectory, EveryWriteIsReportedAndNothingIsLost) {
    TestProgram seed;
    seedThreeRecords(seed);
    const std::string lastEntry = readBytes(seed.file(kLastEntry));
    const std::string records = readBytes(seed.file(kRegister));

    TestProgram t;
    writeBytes(t.file(kLastEntry), lastEntry);
    writeBytes(t.file(kRegister), records);
    namespace fs = std::filesystem;
    fs::permissions(t.dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(t.file(kRegister), fs::perms::owner_read | fs::perms::others_read);
    fs::permissions(t.file(kLastEntry), fs::perms::owner_read | fs::perms::others_read);
    withFilePermissions([&] {
        Program& p = t.start();
        EXPECT_EQ(p.screen(ScreenId::baio).text("Text7"), "ＡＢＣＤ");  // still read
        runEveryWritingCommand(p, t.events.lines);
    });
    EXPECT_EQ(readBytes(t.file(kLastEntry)), lastEntry);
    EXPECT_EQ(readBytes(t.file(kRegister)), records);
    EXPECT_EQ(std::distance(fs::directory_iterator(t.dir.path()), fs::directory_iterator()), 2);
}

TEST(RegisterReplacedByFolder, EveryRegisterCommandIsReportedAndTheProgramGoesOn) {
    TestProgram t;
    std::filesystem::create_directories(t.file(kRegister) / "inside");
    Program& p = t.start();
    struct Command {
        ScreenId screen;
        const char* control;
    };
    p.screen(ScreenId::baio).setText("Text12", "1");
    p.click(ScreenId::baio, "Command4");  // セット
    EXPECT_TRUE(hasWarning(t.events.lines, kRegister));
    t.events.lines.clear();

    p.click(ScreenId::baio, "Command2");
    for (auto [screen, control] :
         {Command{ScreenId::menyu, "Command3"}, Command{ScreenId::menyu, "Command5"}}) {
        p.click(screen, control);
        EXPECT_TRUE(hasWarning(t.events.lines, kRegister)) << control;
        t.events.lines.clear();
    }
    p.click(ScreenId::menyu, "Command4");  // the pre-fill reads the register
    EXPECT_TRUE(hasWarning(t.events.lines, kRegister));
    t.events.lines.clear();
    Screen& aisyou = p.screen(ScreenId::aisyou);
    aisyou.setText("Text12", "1");
    aisyou.setText("Text13", "1");
    for (const char* control : {"Command4", "Command5", "Command2"}) {
        p.click(ScreenId::aisyou, control);
        EXPECT_TRUE(hasWarning(t.events.lines, kRegister)) << control;
        t.events.lines.clear();
    }
    p.click(ScreenId::aisyou, "Command1");  // the reading itself needs no register
    EXPECT_TRUE(p.visible(ScreenId::aisyousin));
    EXPECT_TRUE(std::filesystem::is_directory(t.file(kRegister) / "inside"));
}

TEST(PartialRecord, ReadingLeavesTheTailAndCountsWholeRecordsOnly) {
    TestProgram seed;
    seedThreeRecords(seed);
    const std::string bytes = readBytes(seed.file(kRegister)) + "12345678901234567890";

    TestProgram t;
    writeBytes(t.file(kRegister), bytes);
    Program& p = t.start();
    p.click(ScreenId::baio, "Command2");
    p.click(ScreenId::menyu, "Command5");
    p.click(ScreenId::hyouji, "Command1");
    t.dialogs.queueInput(std::string());  // every name contains the empty text
    p.click(ScreenId::menyu, "Command3");
    EXPECT_EQ(p.screen(ScreenId::hyouji).text("Text2(2)").substr(0, 12), "鈴木一郎");
    EXPECT_EQ(p.screen(ScreenId::hyouji).text("Text1(3)"), "");
    p.click(ScreenId::hyouji, "Command1");
    p.click(ScreenId::menyu, "Command4");  // pre-fills from records 2 and 3
    EXPECT_EQ(p.screen(ScreenId::aisyou).text("Text8").substr(0, 12), "鈴木一郎");
    p.closeAllFiles();
    EXPECT_EQ(readBytes(t.file(kRegister)), bytes);
}

// Runs `body` in a child process whose files may grow to `limit` bytes at
// most, so that a write past it fails half-way as on a full disk.
void withFileSizeLimit(rlim_t limit, const std::function<void()>& body) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
        rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        body();
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the part with the size limit failed (see above)";
}

TEST(HalfWrittenFiles, AFailedWriteKeepsEveryStoredByte) {
    TestProgram seed;
    seedThreeRecords(seed);
    const std::string lastEntry = readBytes(seed.file(kLastEntry));
    const std::string records = readBytes(seed.file(kRegister));
    ASSERT_EQ(records.size(), 3u * 42);

    TestProgram t;
    writeBytes(t.file(kLastEntry), lastEntry);
    writeBytes(t.file(kRegister), records);
    // Room for 3 whole records and half of a fourth; the last-entry line is
    // longer than that too once the name is long.
    withFileSizeLimit(3 * 42 + 21, [&] {
        Program& p = t.start();
        p.screen(ScreenId::baio).setText("Text7", std::string(200, 'x'));
        p.click(ScreenId::baio, "Command1");
        EXPECT_TRUE(hasWarning(t.events.lines, kLastEntry));
        EXPECT_TRUE(p.visible(ScreenId::sindan));
        t.events.lines.clear();

        p.click(ScreenId::sindan, "menyuhe");
        p.click(ScreenId::menyu, "Command2");
        p.screen(ScreenId::kousin).setText("Text1(0)", "4");
        p.click(ScreenId::kousin, "Command2");
        EXPECT_TRUE(hasWarning(t.events.lines, kRegister));
        t.events.lines.clear();

        p.click(ScreenId::kousin, "Command1");
        p.click(ScreenId::menyu, "Command4");
        p.click(ScreenId::aisyou, "Command2");
        EXPECT_TRUE(hasWarning(t.events.lines, kRegister));
    });
    EXPECT_EQ(readBytes(t.file(kLastEntry)), lastEntry);
    EXPECT_EQ(readBytes(t.file(kRegister)), records);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.dir.path()),
                            std::filesystem::directory_iterator()),
              2);
}

// Fails one call through the file writer, the n-th from 0, with an I/O error.
class FailingWriter : public FileWriter {
  public:
    explicit FailingWriter(int failing) : failing_(failing) {}

    FileResult<File> open(const std::filesystem::path& file, OpenMode mode) override {
        return unlessFailing(file, [&] { return FileWriter::open(file, mode); });
    }
    FileResult<std::size_t> writeSomeAt(File& file, std::string_view bytes,
                                        std::uint64_t offset) override {
        return unlessFailing(file.path(),
                             [&] { return FileWriter::writeSomeAt(file, bytes, offset); });
    }
    FileStatus flush(File& file) override {
        return unlessFailing(file.path(), [&] { return FileWriter::flush(file); });
    }
    FileStatus truncate(File& file, std::uint64_t size) override {
        return unlessFailing(file.path(), [&] { return FileWriter::truncate(file, size); });
    }
    FileStatus remove(const std::filesystem::path& file) override {
        return unlessFailing(file, [&] { return FileWriter::remove(file); });
    }
    FileStatus rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return unlessFailing(to, [&] { return FileWriter::rename(from, to); });
    }
    FileStatus flushFolder(const std::filesystem::path& folder) override {
        return unlessFailing(folder, [&] { return FileWriter::flushFolder(folder); });
    }
    FileResult<bool> lock(File& file, LockKind kind) override {
        return unlessFailing(file.path(), [&] { return FileWriter::lock(file, kind); });
    }

    int calls = 0;

  private:
    template <typename Call>
    auto unlessFailing(const std::filesystem::path& file, Call call) -> decltype(call()) {
        if (calls++ == failing_) return FileFailure{file.filename().string(), FileStep::Write, EIO};
        return call();
    }
    int failing_;
};

TEST(FailingCalls, EachFailingCallOfAWriteIsReportedAndNothingUnreportedStays) {
    TestProgram seed;
    seedThreeRecords(seed);
    const std::string records = readBytes(seed.file(kRegister));
    const std::string lastEntry = readBytes(seed.file(kLastEntry));
    // Person 1 of aisyou is pre-filled from record 2 and appended as record 4.
    const std::string personOne =
        encodeRecord(seed.program().cp932(), {"4", "佐藤花子", "昭和", "40", "5", "2"});
    const auto updating = [](const char* number) {
        return [number](Program& p) {
            p.click(ScreenId::menyu, "Command2");
            p.screen(ScreenId::kousin).setText("Text1(0)", number);
        };
    };
    const auto exporting = [](const char* screen, std::string file) {
        return [screen, file](TestProgram& t) {
            t.dialogs.queueFile((t.dir.path() / file).string());
            t.program().click(ScreenId::menyu, screen);
        };
    };
    // Each command, the file it writes and that file's bytes before it runs.
    const struct {
        const char* name;
        std::function<void(TestProgram&)> prepare;
        ScreenId screen;
        const char* control;
        std::string file;
        std::string before;
    } commands[] = {
        {"登録", [](TestProgram& t) { t.program().click(ScreenId::menyu, "Command4"); },
         ScreenId::aisyou, "Command2", kRegister, records},
        {"更新 of record 2", [&](TestProgram& t) { updating("2")(t.program()); }, ScreenId::kousin,
         "Command2", kRegister, records},
        {"更新 of record 4", [&](TestProgram& t) { updating("4")(t.program()); }, ScreenId::kousin,
         "Command2", kRegister, records},
        {"a reading",
         [](TestProgram& t) {
             t.program().click(ScreenId::menyu, "Command1");
             t.program().screen(ScreenId::baio).setText("Text7", "別人");
         },
         ScreenId::baio, "Command1", kLastEntry, lastEntry},
        {"CSVへ書き出し", exporting("Command5", "登録簿.csv"), ScreenId::hyouji, "Command2",
         "登録簿.csv", ""},
        {"カレンダー書き出し", exporting("Command7", "予定.ics"), ScreenId::itiran, "Command3",
         "予定.ics", ""},
    };
    for (const auto& command : commands) {
        std::string after;  // the file as the command writes it when nothing fails
        for (int failing = -1;; ++failing) {
            SCOPED_TRACE(::testing::Message() << command.name << ", call " << failing << " fails");
            TestProgram t;
            writeBytes(t.file(kRegister), records);
            writeBytes(t.file(kLastEntry), lastEntry);
            Program& p = t.start();
            p.click(ScreenId::baio, "Command2");
            command.prepare(t);
            FailingWriter writer(failing);
            p.useFileWriter(writer);
            p.click(command.screen, command.control);
            if (failing < 0) {
                after = readBytes(t.file(command.file));
                continue;
            }
            if (writer.calls <= failing) break;  // every call of the command went through

            const auto shown = [&t](const char* text) {
                const std::string line = "msgbox \"" + std::string(text) + "\" title \"\" -> ok";
                return std::find(t.events.lines.begin(), t.events.lines.end(), line) !=
                       t.events.lines.end();
            };
            // Only the removal of an update's emptied journal may fail unreported:
            // the update was committed by then and is reported as such.
            const bool updated = shown("更新しました。");
            // The exports read the register first, under its lock.
            EXPECT_TRUE(hasWarning(t.events.lines, command.file) ||
                        hasWarning(t.events.lines, kRegister) || updated);
            t.start();  // the next start finds whatever the failure left
            const std::string now = readBytes(t.file(command.file));
            if (updated) {
                EXPECT_EQ(now, after);
            } else if (command.file == kRegister) {
                EXPECT_EQ(now, shown("保存しました。") ? records + personOne : records);
            } else {
                // Replaced whole or not at all (a failed flush of the folder
                // after the rename may leave it new).
                EXPECT_TRUE(now == command.before || now == after);
                if (command.file != kLastEntry) {
                    EXPECT_EQ(readBytes(t.file(kLastEntry)), lastEntry);
                }
            }
            for (const auto& entry : std::filesystem::directory_iterator(t.dir.path())) {
                const std::string name = entry.path().filename().string();
                EXPECT_TRUE(name == kRegister || name == kLastEntry || name == command.file)
                    << name << " was left beside them";
            }
        }
    }
}

TEST(GarbledLastEntry, AnyContentStartsTheProgramWithoutAMessage) {
    std::mt19937 random(20261207);
    std::vector<std::string> files{
        "\"only one field\"\r\n",
        std::string(1'000'000, '"'),
        std::string(1'000'000, 'A'),
        "\"a\",\"b\",\"c\",\"d\"",
        "\"\x82\",\"\xff\xfe\",\"\x81\",\"\",\"\x82",
    };
    for (int i = 0; i < 50; ++i) {
        std::string bytes(random() % 300, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        files.push_back(bytes);
    }
    for (const auto& bytes : files) {
        TestProgram t;
        writeBytes(t.file(kLastEntry), bytes);
        Program& p = t.start();
        EXPECT_TRUE(p.visible(ScreenId::baio));
        EXPECT_TRUE(t.events.lines.empty());
        EXPECT_EQ(p.screen(ScreenId::baio).text("Text4"), "2026");
        p.click(ScreenId::baio, "Command1");  // and a reading still runs
        EXPECT_TRUE(p.visible(ScreenId::sindan));
    }
}

}  // namespace
}  // namespace bio
