// Two programs on one register: reads share it, writes take it alone and only
// for as long as they write, and a program that cannot have it says so and
// changes nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "register/record_layout.h"
#include "register/register_file.h"
#include "testing/program_fixture.h"

namespace bio {
namespace {

using testing::readBytes;
using testing::seedRecords;
using testing::TestProgram;
using testing::writeBytes;

const std::string kBusy =
    "msgbox \"登録簿がほかのプログラムで使用中です。しばらくしてからもう一度お試しください。\" "
    "title \"誤り警告\" -> ok";

// Another program's hold on the register, taken through a file of its own.
class OtherProgramsLock {
  public:
    OtherProgramsLock(const std::filesystem::path& file, LockKind kind)
        : file_(std::move(*File::open(file, OpenMode::Read))) {
        EXPECT_TRUE(file_.tryLock(kind) == true);
    }

  private:
    File file_;
};

// Gives up on a lock after a moment, so that a refusal needs no five seconds.
class ImpatientWriter : public FileWriter {
  public:
    std::chrono::milliseconds lockPatience() const override {
        return std::chrono::milliseconds(30);
    }
};

// A command of the program, from the screen it is on: reached from the menu
// by `menuCommand` (or the menu itself, or baio), with `text` typed into `box`.
struct Command {
    const char* name;
    ScreenId screen;
    const char* control;
    bool writes;
    const char* menuCommand = nullptr;
    const char* box = nullptr;
    const char* text = nullptr;
};

const Command kCommands[] = {
    {"search", ScreenId::menyu, "Command3", false},
    {"browse", ScreenId::menyu, "Command5", false},
    {"overview", ScreenId::menyu, "Command7", false},
    {"aisyou's pre-fill", ScreenId::menyu, "Command4", false},
    {"baio's セット", ScreenId::baio, "Command4", false, nullptr, "Text12", "2"},
    {"セット１", ScreenId::aisyou, "Command4", false, "Command4", "Text12", "1"},
    {"登録", ScreenId::aisyou, "Command2", true, "Command4"},
    {"更新", ScreenId::kousin, "Command2", true, "Command2", "Text1(0)", "2"},
    {"更新 past the end", ScreenId::kousin, "Command2", true, "Command2", "Text1(0)", "4"},
};

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(RegisterLock, ReadsShareTheRegisterAndWritesHaveItAlone) {
    for (const LockKind held : {LockKind::Shared, LockKind::Exclusive}) {
        for (const Command& command : kCommands) {
            SCOPED_TRACE(std::string(command.name) +
                         (held == LockKind::Shared ? ", shared" : ", exclusive"));
            TestProgram t;
            ImpatientWriter writer;
            Program& p = t.start();
            p.useFileWriter(writer);
            const std::string before = seedRecords(p.cp932(), 3);
            writeBytes(t.file(kRegisterFileName), before);
            if (command.screen != ScreenId::baio) p.move(ScreenId::baio, ScreenId::menyu);
            if (command.menuCommand) p.click(ScreenId::menyu, command.menuCommand);
            if (command.box) p.screen(command.screen).setText(command.box, command.text);
            ASSERT_FALSE(contains(t.events.lines, kBusy));

            OtherProgramsLock other(t.file(kRegisterFileName), held);
            p.click(command.screen, command.control);
            const bool refused = held == LockKind::Exclusive || command.writes;
            EXPECT_EQ(contains(t.events.lines, kBusy), refused);
            if (refused) {
                EXPECT_EQ(readBytes(t.file(kRegisterFileName)), before);
            }
        }
    }
}

// Registers the pair typed into aisyou with another program's "登録" in
// between: while "保存しました。" waits, the other program registers its own pair.
class RegisteringInBetween : public ScriptedDialogs {
  public:
    RegisteringInBetween(EventSink sink, std::function<void()> between)
        : ScriptedDialogs(std::move(sink)), between_(std::move(between)) {}
    Answer messageBox(const std::string& text, const std::string& title) override {
        if (text == "保存しました。" && between_) std::exchange(between_, nullptr)();
        return ScriptedDialogs::messageBox(text, title);
    }

  private:
    std::function<void()> between_;
};

void typePersons(Program& p, const std::string& first, const std::string& second) {
    p.move(ScreenId::baio, ScreenId::menyu);
    p.click(ScreenId::menyu, "Command4");
    Screen& aisyou = p.screen(ScreenId::aisyou);
    aisyou.setText("Text7", first);
    aisyou.setText("Text8", second);
}

TEST(RegisterLock, TwoProgramsRegisteringAtOnceKeepAllFourPersons) {
    TestProgram script;
    Program& other = script.start();
    const std::string seeded = seedRecords(other.cp932(), 2);
    writeBytes(script.file(kRegisterFileName), seeded);
    typePersons(other, "Script2a", "Script2b");

    EventLog events;
    RegisteringInBetween dialogs(events.sink(), [&] { other.click(ScreenId::aisyou, "Command2"); });
    RecordingPrinter printer(events.sink());
    FixedClock clock({2026, 12, 7});
    const auto window = makeProgram(Services{dialogs, printer, clock}, script.dir.path(),
                                    script.dir.path() / "config");
    window->start();
    typePersons(*window, "Window1a", "Window1b");
    window->click(ScreenId::aisyou, "Command2");

    const Result<std::vector<RegisterRecord>> records = readAllRecords(other);
    ASSERT_TRUE(records);
    std::vector<std::string> names;
    for (const RegisterRecord& record : *records)
        names.push_back(record.number + record.name.substr(0, 8));
    EXPECT_EQ(names, (std::vector<std::string>{"1    Seed1   ", "2    Seed2   ", "3    Window1a",
                                               "4    Script2a", "5    Script2b", "6    Window1b"}));
    // recno follows each program's own records.
    EXPECT_EQ(window->state().recno, 6);
    EXPECT_EQ(other.state().recno, 5);
    EXPECT_EQ(events.lines, std::vector<std::string>{"msgbox \"保存しました。\" title \"\" -> ok"});
}

// Another program appends a record just as this one's exclusive lock is
// granted, as one that held the lock a moment before would have: whatever
// this program counted before it had the lock is out of date by then.
class AppendingAsTheLockIsTaken : public FileWriter {
  public:
    explicit AppendingAsTheLockIsTaken(std::string record) : record_(std::move(record)) {}
    FileResult<bool> lock(File& file, LockKind kind) override {
        if (kind == LockKind::Exclusive && !record_.empty()) {
            File other = std::move(*File::open(file.path(), OpenMode::ReadWrite));
            EXPECT_TRUE(other.writeSomeAt(record_, *other.size()) == record_.size());
            record_.clear();
        }
        return FileWriter::lock(file, kind);
    }

  private:
    std::string record_;
};

TEST(RegisterLock, AnAppendLandsAfterARecordAppendedAsItsLockIsTaken) {
    const struct {
        const char* name;
        std::function<void(TestProgram&)> append;
        std::vector<std::string> expected;
    } appends[] = {
        {"登録",
         [](TestProgram& t) {
             typePersons(t.program(), "Window1a", "Window1b");
             t.program().click(ScreenId::aisyou, "Command2");
         },
         {"3    Other3  ", "4    Window1a", "5    Window1b"}},
        {"CSVから読み込み",
         [](TestProgram& t) {
             writeBytes(t.file("persons.csv"), "氏名,元号,年,月,日\r\nImported,昭和,40,5,1\r\n");
             t.dialogs.queueFile((t.dir.path() / "persons.csv").string());
             t.program().move(ScreenId::baio, ScreenId::menyu);
             t.program().click(ScreenId::menyu, "Command5");
             t.program().click(ScreenId::hyouji, "Command3");
         },
         {"3    Other3  ", "4    Imported"}},
    };
    for (const auto& append : appends) {
        SCOPED_TRACE(append.name);
        TestProgram t;
        Program& p = t.start();
        writeBytes(t.file(kRegisterFileName), seedRecords(p.cp932(), 2));
        AppendingAsTheLockIsTaken writer(
            encodeRecord(p.cp932(), {"3", "Other3", "昭和", "40", "5", "3"}));
        p.useFileWriter(writer);
        append.append(t);

        const Result<std::vector<RegisterRecord>> records = readAllRecords(p);
        ASSERT_TRUE(records);
        std::vector<std::string> names;
        for (std::size_t k = 2; k < records->size(); ++k)
            names.push_back((*records)[k].number + (*records)[k].name.substr(0, 8));
        EXPECT_EQ(names, append.expected);
    }
}

}  // namespace
}  // namespace bio
