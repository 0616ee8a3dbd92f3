// Two programs on one register: reads share it, writes take it alone and only
// for as long as they write, and a program that cannot have it says so and
// changes nothing.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

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
    OtherProgramsLock(const std::filesystem::path& file, int operation)
        : fd_(::open(file.c_str(), O_RDONLY | O_CLOEXEC)) {
        EXPECT_EQ(::flock(fd_, operation | LOCK_NB), 0);
    }
    ~OtherProgramsLock() { ::close(fd_); }
    OtherProgramsLock(const OtherProgramsLock&) = delete;
    OtherProgramsLock& operator=(const OtherProgramsLock&) = delete;
    void release() { ::flock(fd_, LOCK_UN); }

  private:
    int fd_;
};

// Gives up on a lock after a moment, so that a refusal needs no five seconds.
class ImpatientWriter : public FileWriter {
  public:
    std::chrono::milliseconds lockPatience() const override {
        return std::chrono::milliseconds(30);
    }
};

void typeUpdate(Program& p, const std::string& number, const std::string& name) {
    Screen& kousin = p.screen(ScreenId::kousin);
    kousin.setText("Text1(0)", number);
    kousin.setText("Text2(0)", name);
}

struct Command {
    const char* name;
    std::function<void(Program&)> prepare;  // runs before the other program locks
    std::function<void(Program&)> act;
    bool writes;
};

const Command kCommands[] = {
    {"search", [](Program& p) { p.move(ScreenId::baio, ScreenId::menyu); },
     [](Program& p) { p.click(ScreenId::menyu, "Command3"); }, false},
    {"browse", [](Program& p) { p.move(ScreenId::baio, ScreenId::menyu); },
     [](Program& p) { p.click(ScreenId::menyu, "Command5"); }, false},
    {"overview", [](Program& p) { p.move(ScreenId::baio, ScreenId::menyu); },
     [](Program& p) { p.click(ScreenId::menyu, "Command7"); }, false},
    {"baio set", [](Program& p) { p.screen(ScreenId::baio).setText("Text12", "2"); },
     [](Program& p) { p.click(ScreenId::baio, "Command4"); }, false},
    {"aisyou pre-fill", [](Program& p) { p.move(ScreenId::baio, ScreenId::menyu); },
     [](Program& p) { p.click(ScreenId::menyu, "Command4"); }, false},
    {"aisyou set 1",
     [](Program& p) {
         p.move(ScreenId::baio, ScreenId::menyu);
         p.click(ScreenId::menyu, "Command4");
         p.screen(ScreenId::aisyou).setText("Text12", "1");
     },
     [](Program& p) { p.click(ScreenId::aisyou, "Command4"); }, false},
    {"aisyou register",
     [](Program& p) {
         p.move(ScreenId::baio, ScreenId::menyu);
         p.click(ScreenId::menyu, "Command4");
     },
     [](Program& p) { p.click(ScreenId::aisyou, "Command2"); }, true},
    {"kousin update",
     [](Program& p) {
         p.move(ScreenId::baio, ScreenId::menyu);
         p.click(ScreenId::menyu, "Command2");
         typeUpdate(p, "2", "書き換え");
     },
     [](Program& p) { p.click(ScreenId::kousin, "Command2"); }, true},
    {"kousin append",
     [](Program& p) {
         p.move(ScreenId::baio, ScreenId::menyu);
         p.click(ScreenId::menyu, "Command2");
         typeUpdate(p, "4", "追加");
     },
     [](Program& p) { p.click(ScreenId::kousin, "Command2"); }, true},
};

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(RegisterLock, ReadsShareTheRegisterAndWritesWaitForItAlone) {
    for (const int held : {LOCK_SH, LOCK_EX}) {
        for (const Command& command : kCommands) {
            SCOPED_TRACE(std::string(command.name) +
                         (held == LOCK_SH ? ", shared" : ", exclusive"));
            TestProgram t;
            ImpatientWriter writer;
            Program& p = t.start();
            p.useFileWriter(writer);
            const std::string before = seedRecords(p.cp932(), 3);
            writeBytes(t.file(kRegisterFileName), before);
            command.prepare(p);
            ASSERT_FALSE(contains(t.events.lines, kBusy));

            OtherProgramsLock other(t.file(kRegisterFileName), held);
            command.act(p);
            const bool refused = held == LOCK_EX || command.writes;
            EXPECT_EQ(contains(t.events.lines, kBusy), refused);
            if (refused) {
                EXPECT_EQ(readBytes(t.file(kRegisterFileName)), before);
            }
        }
    }
}

TEST(RegisterLock, AWriteWaitsWhileAnotherProgramWritesAndThenGoesOn) {
    TestProgram t;
    Program& p = t.start();
    writeBytes(t.file(kRegisterFileName), seedRecords(p.cp932(), 3));
    p.move(ScreenId::baio, ScreenId::menyu);
    p.click(ScreenId::menyu, "Command2");
    typeUpdate(p, "2", "Rewritten");

    OtherProgramsLock other(t.file(kRegisterFileName), LOCK_EX);
    std::thread finishing([&other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        other.release();
    });
    p.click(ScreenId::kousin, "Command2");
    finishing.join();
    EXPECT_EQ(t.events.lines.back(), "msgbox \"更新しました。\" title \"\" -> ok");
    EXPECT_EQ(readAllRecords(p)->at(1).name.substr(0, 9), "Rewritten");
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
    const auto window = makeProgram(Services{dialogs, printer, clock}, script.dir.path());
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

}  // namespace
}  // namespace bio
