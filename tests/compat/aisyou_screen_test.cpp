// The compatibility input screen: pre-fill, persons from the register and the
// two-person append.

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "app/app.h"
#include "compat_fixture.h"
#include "ui/doubles.h"

namespace bio {
namespace {

using testing::kHeiseiBytes;
using testing::kShowaBytes;
using testing::kYamadaBytes;
using testing::openAisyou;
using testing::readBytes;
using testing::recordBytes;
using testing::seedRecords;
using testing::TestProgram;
using testing::typePerson;
using testing::writeBytes;

const std::string kRegister = "kojinfl2.txt";

std::string padded(const std::string& text, std::size_t width) {
    std::string out = text;
    out.resize(width, ' ');
    return out;
}

// Name, era selection and the three date boxes of one person.
struct ShownPerson {
    std::string name, year, month, day;
    int selectedEra;  // 0..3 for 明治..平成, -1 for none

    bool operator==(const ShownPerson&) const = default;
    friend void PrintTo(const ShownPerson& s, std::ostream* out) {
        *out << quoted(s.name) << " " << quoted(s.year) << " " << quoted(s.month) << " "
             << quoted(s.day) << " era " << s.selectedEra;
    }
};

ShownPerson shownPerson(Screen& aisyou, int person) {
    const int firstOption = person == 1 ? 1 : 5;
    int selected = -1;
    for (int i = 3; i >= 0; --i) {
        if (aisyou.control("Option" + std::to_string(firstOption + i)).selected()) selected = i;
    }
    return {aisyou.text(person == 1 ? "Text7" : "Text8"),
            aisyou.text(person == 1 ? "Text1" : "Text11"),
            aisyou.text(person == 1 ? "Text2" : "Text10"),
            aisyou.text(person == 1 ? "Text3" : "Text9"), selected};
}

// What seedRecords(k) stores in record k, read back with its padding.
ShownPerson seededPerson(int k) {
    const std::string n = std::to_string(k);
    return {padded("PERSON" + n, 20), padded(n, 4), padded(std::to_string(k % 12 + 1), 4),
            padded(std::to_string(k % 28 + 1), 4), 2};
}

const ShownPerson kEmptyPerson{"", "", "", "", -1};

TEST(Readset, FillsPersonsFromTheTwoNewestRecordsAndTheDateFromToday) {
    struct Case {
        int records;
        ShownPerson person1, person2;
    };
    const std::vector<Case> cases{
        {0, kEmptyPerson, kEmptyPerson},
        {1, kEmptyPerson, seededPerson(1)},
        {2, seededPerson(1), seededPerson(2)},
        {5, seededPerson(4), seededPerson(5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.records);
        TestProgram t;
        writeBytes(t.file(kRegister), seedRecords(c.records));
        Screen& aisyou = openAisyou(t).screen(ScreenId::aisyou);
        EXPECT_EQ(shownPerson(aisyou, 1), c.person1);
        EXPECT_EQ(shownPerson(aisyou, 2), c.person2);
        EXPECT_EQ(aisyou.text("Text4"), "2026");
        EXPECT_EQ(aisyou.text("Text5"), "12");
        EXPECT_EQ(aisyou.text("Text6"), "07");
        // No record below 1 was asked for: that would have raised a warning.
        EXPECT_EQ(t.events.lines, std::vector<std::string>{});
        EXPECT_EQ(readBytes(t.file(kRegister)), seedRecords(c.records));
    }
}

TEST(Readset, CreatesAMissingRegisterEmpty) {
    TestProgram t;
    Screen& aisyou = openAisyou(t).screen(ScreenId::aisyou);
    EXPECT_EQ(shownPerson(aisyou, 1), kEmptyPerson);
    EXPECT_EQ(shownPerson(aisyou, 2), kEmptyPerson);
    EXPECT_TRUE(std::filesystem::exists(t.file(kRegister)));
    EXPECT_EQ(std::filesystem::file_size(t.file(kRegister)), 0u);
}

TEST(Readset, SelectsStoredErasInEachPersonsOwnGroup) {
    TestProgram t;
    writeBytes(t.file(kRegister), recordBytes("1", kYamadaBytes, kHeiseiBytes, "3", "4", "5") +
                                      recordBytes("2", "B", kShowaBytes, "40", "5", "10"));
    Screen& aisyou = openAisyou(t).screen(ScreenId::aisyou);
    EXPECT_EQ(shownPerson(aisyou, 1),
              (ShownPerson{"山田" + std::string(16, ' '), "3   ", "4   ", "5   ", 3}));
    EXPECT_EQ(shownPerson(aisyou, 2), (ShownPerson{padded("B", 20), "40  ", "5   ", "10  ", 2}));
}

TEST(SetPerson, TakesOneRecordIntoOnePersonOnly) {
    TestProgram t;
    writeBytes(t.file(kRegister), seedRecords(5));
    Program& p = openAisyou(t);
    Screen& aisyou = p.screen(ScreenId::aisyou);
    aisyou.setText("Text4", "2030");

    aisyou.setText("Text12", "2");
    p.click(ScreenId::aisyou, "Command4");
    EXPECT_EQ(shownPerson(aisyou, 1), seededPerson(2));
    EXPECT_EQ(shownPerson(aisyou, 2), seededPerson(5));

    aisyou.setText("Text13", "1");
    p.click(ScreenId::aisyou, "Command5");
    EXPECT_EQ(shownPerson(aisyou, 1), seededPerson(2));
    EXPECT_EQ(shownPerson(aisyou, 2), seededPerson(1));
    EXPECT_EQ(aisyou.text("Text4"), "2030");
    EXPECT_EQ(p.state().recno, 1);
}

TEST(SetPerson, RoundsTheNumberHalfToEven) {
    const std::vector<std::pair<std::string, int>> cases{
        {"2.5", 2}, {"3.5", 4}, {" 3 ", 3}, {"4.4", 4}};
    for (const auto& [typed, record] : cases) {
        SCOPED_TRACE(typed);
        TestProgram t;
        writeBytes(t.file(kRegister), seedRecords(5));
        Program& p = openAisyou(t);
        p.screen(ScreenId::aisyou).setText("Text12", typed);
        p.click(ScreenId::aisyou, "Command4");
        EXPECT_EQ(shownPerson(p.screen(ScreenId::aisyou), 1), seededPerson(record));
    }
}

TEST(SetPerson, RefusesNumbersThatNameNoRecordAndChangesNothing) {
    for (const std::string typed : {"", "abc", "0", "-1", "0.4", "32768", "1e9"}) {
        SCOPED_TRACE(typed);
        TestProgram t;
        writeBytes(t.file(kRegister), seedRecords(5));
        Program& p = openAisyou(t);
        Screen& aisyou = p.screen(ScreenId::aisyou);
        const int16_t recnoBefore = p.state().recno;
        aisyou.setText("Text13", typed);
        p.click(ScreenId::aisyou, "Command5");
        ASSERT_EQ(t.events.lines.size(), 1u);
        EXPECT_TRUE(t.events.lines[0].ends_with("title \"誤り警告\" -> ok")) << t.events.lines[0];
        EXPECT_EQ(shownPerson(aisyou, 1), seededPerson(4));
        EXPECT_EQ(shownPerson(aisyou, 2), seededPerson(5));
        EXPECT_EQ(p.state().recno, recnoBefore);
        EXPECT_EQ(readBytes(t.file(kRegister)), seedRecords(5));
    }
}

TEST(SetPerson, ARecordBeyondTheEndEmptiesTheBoxesAndKeepsTheEra) {
    TestProgram t;
    writeBytes(t.file(kRegister), seedRecords(2) + recordBytes("3", "X", "", "1", "2", "3"));
    Program& p = openAisyou(t);
    Screen& aisyou = p.screen(ScreenId::aisyou);
    aisyou.select("Option8");

    aisyou.setText("Text13", "3");  // blank era: the selection stays
    p.click(ScreenId::aisyou, "Command5");
    EXPECT_EQ(shownPerson(aisyou, 2), (ShownPerson{padded("X", 20), "1   ", "2   ", "3   ", 3}));

    aisyou.setText("Text13", "9");
    p.click(ScreenId::aisyou, "Command5");
    EXPECT_EQ(shownPerson(aisyou, 2), (ShownPerson{"", "", "", "", 3}));
    EXPECT_EQ(t.events.lines, std::vector<std::string>{});
}

// Remembers the register's size whenever a message box is shown, so that the
// order of the writes and the message can be checked.
class RegisterWatchingDialogs : public Dialogs {
  public:
    explicit RegisterWatchingDialogs(std::filesystem::path file) : file_(std::move(file)) {}

    Answer messageBox(const std::string& text, const std::string& title) override {
        shown.push_back({text, title, std::filesystem::file_size(file_)});
        return answer;
    }
    std::optional<std::string> inputBox(const std::string&, const std::string&,
                                        const std::string& defaultText) override {
        return defaultText;
    }
    bool printerDialog() override { return true; }
    std::optional<std::filesystem::path> fileDialog(const FileRequest&) override {
        return std::nullopt;
    }

    struct Shown {
        std::string text, title;
        std::uintmax_t registerSize;
        bool operator==(const Shown&) const = default;
    };
    std::vector<Shown> shown;
    Answer answer = Answer::Ok;

  private:
    std::filesystem::path file_;
};

class RegisterBoth : public ::testing::Test {
  protected:
    void SetUp() override {
        writeBytes(registerPath(), seedRecords(3));
        program_ =
            makeProgram(Services{dialogs, printer, clock}, dir.path(), dir.path() / "config");
        program_->start();
        program_->click(ScreenId::baio, "Command2");
        program_->click(ScreenId::menyu, "Command4");
    }
    Program& p() { return *program_; }
    Screen& aisyou() { return p().screen(ScreenId::aisyou); }
    std::filesystem::path registerPath() const { return dir.path() / kRegister; }

    testing::TempDir dir;
    RegisterWatchingDialogs dialogs{registerPath()};
    EventLog ignored;
    RecordingPrinter printer{ignored.sink()};
    FixedClock clock{{2026, 12, 7}};
    std::unique_ptr<Program> program_;
};

TEST_F(RegisterBoth, WritesPersonOneThenSaysSavedThenWritesPersonTwo) {
    for (Answer answer : {Answer::Ok, Answer::Cancel}) {
        SCOPED_TRACE(answer == Answer::Ok ? "ok" : "cancel");
        writeBytes(registerPath(), seedRecords(3));
        dialogs.shown.clear();
        dialogs.answer = answer;
        typePerson(aisyou(), 1, {"山田", "昭和", "40", "5", "10"});
        typePerson(aisyou(), 2, {"Suzuki Hanako", "平成", "3", "12", "31"});

        p().click(ScreenId::aisyou, "Command2");

        // The message comes after record 4 (168 bytes) and before record 5.
        EXPECT_EQ(dialogs.shown,
                  (std::vector<RegisterWatchingDialogs::Shown>{{"保存しました。", "", 4 * 42}}));
        EXPECT_EQ(readBytes(registerPath()),
                  seedRecords(3) + recordBytes("4", kYamadaBytes, kShowaBytes, "40", "5", "10") +
                      recordBytes("5", "Suzuki Hanako", kHeiseiBytes, "3", "12", "31"));
        EXPECT_EQ(p().openFile(), nullptr);
        EXPECT_EQ(p().state().recno, 5);
    }
}

TEST_F(RegisterBoth, StoresTextsAsTypedAndABlankEraWhenNoneIsSelected) {
    typePerson(aisyou(), 1, {"", "", "abc", "", "07"});
    typePerson(aisyou(), 2, {"Z", "明治", "1", "1", "1"});
    aisyou().control("Option3").setSelectedFlag(false);
    p().click(ScreenId::aisyou, "Command2");
    EXPECT_EQ(readBytes(registerPath()).substr(3 * 42),
              recordBytes("4", "", "", "abc", "", "07") +
                  recordBytes("5", "Z", "\x96\xbe\x8e\xa1", "1", "1", "1"));
    // The fields keep what was typed.
    EXPECT_EQ(aisyou().text("Text1"), "abc");
}

TEST_F(RegisterBoth, EachPressAppendsTwoMore) {
    p().click(ScreenId::aisyou, "Command2");
    p().click(ScreenId::aisyou, "Command2");
    const std::string bytes = readBytes(registerPath());
    ASSERT_EQ(bytes.size(), 7u * 42);
    // Person 1 is the pre-filled record 2, person 2 record 3; the numbers are the new positions.
    EXPECT_EQ(bytes.substr(5 * 42, 42), recordBytes("6", "PERSON2", kShowaBytes, "2", "3", "3"));
    EXPECT_EQ(bytes.substr(6 * 42, 42), recordBytes("7", "PERSON3", kShowaBytes, "3", "4", "4"));
}

TEST_F(RegisterBoth, IsRefusedWhenTheRegisterWouldPassItsLimit) {
    for (int records : {499, 500, 501}) {
        SCOPED_TRACE(records);
        dialogs.shown.clear();
        writeBytes(registerPath(), seedRecords(records));
        p().click(ScreenId::aisyou, "Command2");
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, "誤り警告");
        EXPECT_EQ(readBytes(registerPath()), seedRecords(records));
        EXPECT_EQ(p().openFile(), nullptr);
    }
}

TEST_F(RegisterBoth, FillsTheRegisterUpToItsLastRecord) {
    writeBytes(registerPath(), seedRecords(498));
    typePerson(aisyou(), 1, {"A", "昭和", "1", "2", "3"});
    typePerson(aisyou(), 2, {"B", "昭和", "4", "5", "6"});
    p().click(ScreenId::aisyou, "Command2");
    EXPECT_EQ(readBytes(registerPath()), seedRecords(498) +
                                             recordBytes("499", "A", kShowaBytes, "1", "2", "3") +
                                             recordBytes("500", "B", kShowaBytes, "4", "5", "6"));
}

}  // namespace
}  // namespace bio
