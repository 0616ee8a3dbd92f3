#include "register/register_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "register/record_layout.h"
#include "register/register_fixture.h"
#include "register/register_journal.h"
#include "register/storage_warnings.h"
#include "testing/file_permissions.h"

namespace bio {
namespace {

using testing::readBytes;
using testing::RegisterTest;
using testing::withFilePermissions;
using testing::writeBytes;

const RegisterRecord kHanako{"1", "山田花子", "昭和", "38", "5", "10"};

// What the user is told of a failed operation; "" for one that succeeded.
template <typename T>
std::string failureOf(const Result<T>& result) {
    return result ? std::string() : describe(result.error());
}

// Visits the register and returns the record numbers handed over; `failure`
// receives what the user would be told.
std::vector<int> scannedNumbers(Program& p, int limit = kMaxScanRecords,
                                std::string* failure = nullptr) {
    std::vector<int> visited;
    const Status scanned = scanRegister(
        p, [&](int k, const RegisterRecord&) { visited.push_back(k); }, limit);
    if (failure) *failure = failureOf(scanned);
    return visited;
}

class RegisterFileTest : public RegisterTest {};

TEST_F(RegisterFileTest, AMissingRegisterIsCreatedEmptyAndScansToTwo) {
    ASSERT_FALSE(std::filesystem::exists(registerPath()));
    EXPECT_TRUE(scannedNumbers(p()).empty());
    EXPECT_EQ(p().state().recno, 2);
    EXPECT_TRUE(std::filesystem::exists(registerPath()));
    EXPECT_EQ(std::filesystem::file_size(registerPath()), 0u);
    EXPECT_EQ(recordCount(p()), 0);
}

TEST_F(RegisterFileTest, AScanVisitsEveryRecordInOrderAndEndsAtCountPlusTwo) {
    for (int count : {1, 3, 10, 500}) {
        seedRegister(count);
        std::vector<int> expected;
        for (int k = 1; k <= count; ++k) expected.push_back(k);
        EXPECT_EQ(scannedNumbers(p()), expected);
        EXPECT_EQ(p().state().recno, count + 2) << count << " records";
    }
    EXPECT_EQ(std::filesystem::file_size(registerPath()), 500u * 42);
}

TEST_F(RegisterFileTest, AScanHandsOverTheFieldsAsStored) {
    seedRegister(3);
    std::vector<RegisterRecord> records;
    ASSERT_TRUE(
        scanRegister(p(), [&](int, const RegisterRecord& record) { records.push_back(record); }));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2], (RegisterRecord{"3    ", seedName(3) + std::string(10, ' '), "昭和 ",
                                          "4   ", "4   ", "4   "}));
}

TEST_F(RegisterFileTest, ReadingBeyondTheEndGivesEmptyFields) {
    seedRegister(3);
    ASSERT_TRUE(openRegister(p()));
    EXPECT_EQ(readRecord(p(), 4), RegisterRecord{});
    EXPECT_EQ(readRecord(p(), 7), RegisterRecord{});
    EXPECT_EQ(readRecord(p(), 32767), RegisterRecord{});
    EXPECT_EQ(readRecord(p(), 2)->name, seedName(2) + std::string(10, ' '));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(RegisterFileTest, WritingPastTheEndFillsTheGapWithZeroBytes) {
    seedRegister(3);
    const std::string before = registerBytes();
    ASSERT_TRUE(openRegister(p()));
    ASSERT_TRUE(writeRecord(p(), 5, kHanako));

    const std::string after = registerBytes();
    ASSERT_EQ(after.size(), 210u);
    EXPECT_EQ(after.substr(0, 126), before);
    EXPECT_EQ(after.substr(126, 42), std::string(42, '\0'));
    EXPECT_EQ(after.substr(168), encodeRecord(p().cp932(), kHanako));
    EXPECT_EQ(readRecord(p(), 4), RegisterRecord{});
    EXPECT_EQ(recordCount(p()), 5);
    EXPECT_EQ(scannedNumbers(p()), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(RegisterFileTest, WritingOverARecordReplacesItWhole) {
    seedRegister(3);
    const std::string before = registerBytes();
    ASSERT_TRUE(openRegister(p()));
    ASSERT_TRUE(writeRecord(p(), 2, RegisterRecord{"2", "林", "", "", "", ""}));
    const std::string after = registerBytes();
    ASSERT_EQ(after.size(), 126u);
    EXPECT_EQ(after.substr(0, 42), before.substr(0, 42));
    EXPECT_EQ(after.substr(42, 42), "2    \x97\xD1" + std::string(35, ' '));
    EXPECT_EQ(after.substr(84), before.substr(84));
}

TEST_F(RegisterFileTest, APartialRecordAtTheEndIsNotCountedAndStaysUntouched) {
    seedRegister(3);
    writeBytes(registerPath(), registerBytes() + "partial");
    const std::string before = registerBytes();

    EXPECT_EQ(scannedNumbers(p()), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(p().state().recno, 5);
    EXPECT_EQ(recordCount(p()), 3);
    EXPECT_EQ(readRecord(p(), 4), RegisterRecord{});
    EXPECT_EQ(registerBytes(), before);

    ASSERT_TRUE(writeRecord(p(), 2, kHanako));
    EXPECT_EQ(registerBytes().substr(126), "partial");
}

TEST_F(RegisterFileTest, OpeningClosesTheOtherOpenFile) {
    struct OtherFile : OpenDataFile {
        explicit OtherFile(bool& closed) : closed(closed) {}
        ~OtherFile() override { closed = true; }
        bool& closed;
    };
    bool closed = false;
    p().adoptOpenFile(std::make_unique<OtherFile>(closed));
    ASSERT_TRUE(openRegister(p()));
    EXPECT_TRUE(closed);
    EXPECT_NE(p().openFile(), nullptr);

    // With another file open, a read finds its way back to the register.
    seedRegister(2);
    closed = false;
    p().adoptOpenFile(std::make_unique<OtherFile>(closed));
    EXPECT_EQ(readRecord(p(), 2)->number, "2    ");
    EXPECT_TRUE(closed);
}

TEST_F(RegisterFileTest, RecordNumbersOfTypedTexts) {
    const struct {
        const char* text;
        int number;
    } accepted[] = {
        {"1", 1},   {"2.5", 2}, {"3.5", 4},       {"1.5", 2},         {"12ab", 12},
        {" 7 ", 7}, {"３", 3},  {"32767", 32767}, {"32766.5", 32766}, {"&H10", 16},
    };
    for (const auto& row : accepted)
        EXPECT_EQ(recordNumberFromText(row.text), int16_t(row.number)) << row.text;

    for (const char* text : {"", "abc", "0", "0.5", "-3", "40000", "32767.5", "-0.4"}) {
        EXPECT_EQ(failureOf(recordNumberFromText(text)),
                  "番号は1から32767までの数字で入力してください。")
            << text;
    }
}

TEST_F(RegisterFileTest, RefusedWritesLeaveTheFileByteIdentical) {
    seedRegister(5);
    const std::string before = registerBytes();
    ASSERT_TRUE(openRegister(p()));
    for (int k : {0, -3, 32768, 40000}) {
        EXPECT_EQ(failureOf(writeRecord(p(), k, kHanako)),
                  "番号は1から32767までの数字で入力してください。")
            << k;
    }
    for (int k : {501, 502, 32767})
        EXPECT_EQ(failureOf(writeRecord(p(), k, kHanako)), "登録できるのは500件までです。") << k;
    EXPECT_EQ(registerBytes(), before);
}

TEST_F(RegisterFileTest, TheRegisterHoldsFiveHundredRecords) {
    seedRegister(3);
    ASSERT_TRUE(openRegister(p()));
    EXPECT_TRUE(writeRecord(p(), 500, kHanako));
    EXPECT_EQ(recordCount(p()), 500);
    EXPECT_FALSE(writeRecord(p(), 501, kHanako));
    EXPECT_TRUE(writeRecord(p(), 500, kHanako));
    EXPECT_EQ(std::filesystem::file_size(registerPath()), 500u * 42);

    // A longer register made elsewhere can still be corrected, not extended.
    seedRegister(600);
    ASSERT_TRUE(openRegister(p()));
    EXPECT_TRUE(writeRecord(p(), 550, kHanako));
    EXPECT_FALSE(writeRecord(p(), 601, kHanako));
    EXPECT_EQ(std::filesystem::file_size(registerPath()), 600u * 42);
}

TEST_F(RegisterFileTest, AScanOfARegisterLongerThanItsLimitIsRefusedBeforeVisiting) {
    seedRegister(501);
    const std::string before = registerBytes();
    p().state().recno = 9;
    std::string failure;
    EXPECT_TRUE(scannedNumbers(p(), kMaxRecords, &failure).empty());
    EXPECT_EQ(p().state().recno, 9);
    EXPECT_EQ(failure, "ファイル kojinfl2.txt の記録が500件を超えているため、読み込めません。");
    EXPECT_EQ(registerBytes(), before);
}

TEST_F(RegisterFileTest, ARegisterTooLongForTheCounterIsRefused) {
    // 32766 records would push the scan's 16-bit counter past 32767.
    writeBytes(registerPath(), std::string(32766u * 42, ' '));
    p().state().recno = 9;
    std::string failure;
    EXPECT_TRUE(scannedNumbers(p(), kMaxScanRecords, &failure).empty());
    EXPECT_EQ(p().state().recno, 9);
    EXPECT_EQ(failure, "ファイル kojinfl2.txt の記録が32765件を超えているため、読み込めません。");

    writeBytes(registerPath(), std::string(32765u * 42, ' '));
    EXPECT_EQ(scannedNumbers(p()).size(), 32765u);
    EXPECT_EQ(p().state().recno, 32767);
}

TEST_F(RegisterFileTest, AFolderInTheWayIsReportedByName) {
    std::filesystem::create_directory(registerPath());
    const std::string expected =
        "ファイル kojinfl2.txt を開けません：同じ名前のフォルダーがあります。";
    EXPECT_EQ(failureOf(openRegister(p())), expected);
    EXPECT_EQ(failureOf(scanRegister(p(), [](int, const RegisterRecord&) {})), expected);
    EXPECT_EQ(p().openFile(), nullptr);
}

TEST_F(RegisterFileTest, AMissingDirectoryIsCreatedForTheUserAlone) {
    std::filesystem::remove(dir.path());
    EXPECT_TRUE(openRegister(p()));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(std::filesystem::status(dir.path()).permissions(), std::filesystem::perms::owner_all);
    EXPECT_TRUE(std::filesystem::exists(registerPath()));
}

TEST_F(RegisterFileTest, AFailedWriteIsReportedNotTakenForSuccess) {
    // A register on a full disk: /dev/full accepts the open and refuses every write.
    std::filesystem::create_symlink("/dev/full", registerPath());
    ASSERT_TRUE(openRegister(p()));
    EXPECT_EQ(failureOf(writeRecord(p(), 1, kHanako)),
              "ファイル kojinfl2.txt に書き込めません：ディスクに空きがありません。");
}

TEST_F(RegisterFileTest, AFileWithoutPermissionIsReported) {
    seedRegister(2);
    const std::string before = registerBytes();
    std::filesystem::permissions(registerPath(), std::filesystem::perms::owner_read);
    withFilePermissions([&] {
        EXPECT_EQ(failureOf(openRegister(p())),
                  "ファイル kojinfl2.txt を開けません：許可がありません。");
    });
    EXPECT_EQ(registerBytes(), before);
}

TEST_F(RegisterFileTest, AReadOnlyDirectoryIsReported) {
    std::filesystem::permissions(
        dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                        std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    withFilePermissions([&] {
        EXPECT_EQ(failureOf(openRegister(p())), "ファイル kojinfl2.txt を保存するフォルダー " +
                                                    dir.path().string() +
                                                    " に書き込めません：許可がありません。");
    });
    EXPECT_FALSE(std::filesystem::exists(registerPath()));
}

// A crash during a write over record 2 left it torn, and a journal, whole or
// itself cut short. Whatever touches the register next plays a whole journal
// back; one cut short was written before the record was touched, so it only goes.
TEST_F(RegisterFileTest, AJournalLeftByACrashIsPlayedBackByWhateverOpensTheRegisterNext) {
    const std::function<void(Program&)> openers[] = {
        [](Program& p) { EXPECT_EQ(readRecord(p, 1)->number, "1    "); },
        [](Program& p) { EXPECT_TRUE(writeRecord(p, 3, kHanako)); },
        [](Program& p) { EXPECT_EQ(readAllRecords(p)->size(), 3u); },
        [](Program& p) { EXPECT_TRUE(scanRegister(p, [](int, const RegisterRecord&) {})); },
        // A new program on the register, before anything else.
        [this](Program&) {
            makeProgram(Services{dialogs, printer, clock}, dir.path(), dir.path() / "config");
        },
    };
    const std::filesystem::path journal = dir.path() / kJournalFileName;
    for (const auto& open : openers) {
        for (const char* kind : {"whole", "cut short", "zero bytes"}) {
            SCOPED_TRACE(kind);
            seedRegister(3);
            const std::string before = registerBytes();
            FileWriter writer;
            ASSERT_TRUE(writeJournal(writer, dir.path(), 42, before.substr(42, 42)));
            const std::string text = readBytes(journal);
            if (kind == std::string("cut short"))
                writeBytes(journal, text.substr(0, text.size() - 1));
            if (kind == std::string("zero bytes"))
                writeBytes(journal, std::string(text.size(), '\0'));
            std::string torn = before;
            torn.replace(42, 30, std::string(30, '#'));
            writeBytes(registerPath(), torn);

            open(p());
            // Record 3 is the writer's.
            EXPECT_EQ(registerBytes().substr(0, 84),
                      (kind == std::string("whole") ? before : torn).substr(0, 84));
            EXPECT_FALSE(std::filesystem::exists(journal));
            p().closeAllFiles();
        }
    }
}

TEST(FileFailureText, NamesTheFileTheStepAndTheReason) {
    EXPECT_EQ(describe(FileFailure{"kojinfl2.txt", FileStep::Read, EIO}),
              "ファイル kojinfl2.txt を読めません：装置の読み書きに失敗しました。");
    EXPECT_EQ(describe(FileFailure{"kojinfl2.txt", FileStep::Write, EROFS}),
              "ファイル kojinfl2.txt に書き込めません：読み取り専用の場所にあります。");
    // A write that could not be undone says the file may be damaged.
    EXPECT_EQ(describe(FileFailure{"kojinfl2.txt", FileStep::Write, ENOSPC, false}),
              "ファイル kojinfl2.txt に書き込めません：ディスクに空きがありません。"
              "書きかけの記録を元に戻せなかったため、ファイルが壊れているおそれがあります。");
    // An error without a text of its own still says which one it was.
    EXPECT_EQ(failureReason(EPROTO),
              "予期しないエラーが起きました（エラー番号 " + std::to_string(EPROTO) + "）");
}

}  // namespace
}  // namespace bio
