// What the program relies on from the platform layer, on every system alike.

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>

#include "platform/file.h"
#include "platform/file_writer.h"
#include "platform/name_uuid.h"
#include "platform/path.h"

namespace bio {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

File opened(const fs::path& path, OpenMode mode) {
    FileResult<File> file = File::open(path, mode);
    if (!file) throw std::runtime_error(describe(file.error()));
    return std::move(*file);
}

std::string readAll(const fs::path& path) {
    const FileResult<std::string> bytes = readWholeFile(path, 1 << 20);
    if (!bytes) throw std::runtime_error(describe(bytes.error()));
    return *bytes;
}

std::string readAt(const File& file, std::size_t size, std::uint64_t offset) {
    std::string bytes(size, '?');
    const FileResult<std::size_t> got = file.readAt(bytes.data(), size, offset);
    if (!got) throw std::runtime_error(describe(got.error()));
    bytes.resize(*got);
    return bytes;
}

class PlatformTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("bio-platform-" + std::to_string(std::random_device()()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

TEST_F(PlatformTest, WritesAtOffsetsReadsHolesAsZerosAndTruncates) {
    const fs::path path = folder_ / "data.bin";
    {
        File file = opened(path, OpenMode::CreateNew);
        ASSERT_EQ(file.writeSomeAt("abc", 0), 3u);
        ASSERT_EQ(file.writeSomeAt("xyz", 8), 3u);
        EXPECT_EQ(file.size(), 11u);
        EXPECT_EQ(readAt(file, 11, 0), "abc\0\0\0\0\0xyz"s);
        EXPECT_EQ(readAt(file, 10, 9), "yz");  // fewer only where the file ends
        EXPECT_EQ(readAt(file, 4, 20), "");
        ASSERT_TRUE(file.flush().ok());
        ASSERT_TRUE(file.truncate(2).ok());
        EXPECT_EQ(file.size(), 2u);
    }
    EXPECT_FALSE(File::open(path, OpenMode::CreateNew).ok());
    EXPECT_EQ(readAll(path), "ab");
    EXPECT_EQ(opened(path, OpenMode::CreateOrEmpty).size(), 0u);
    EXPECT_EQ(readAll(path), "");
}

TEST_F(PlatformTest, AFolderIsRefusedAtTheOpen) {
    for (const OpenMode mode : {OpenMode::Read, OpenMode::ReadWrite, OpenMode::CreateOrEmpty}) {
        const FileResult<File> file = File::open(folder_, mode);
        ASSERT_FALSE(file.ok());
        EXPECT_NE(describe(file.error()).find("同じ名前のフォルダーがあります"), std::string::npos)
            << describe(file.error());
    }
    EXPECT_FALSE(readWholeFile(folder_, 100).ok());
}

TEST_F(PlatformTest, MissingFilesAndFilesTooLargeAreToldApart) {
    const fs::path absent = folder_ / "absent.txt";
    EXPECT_TRUE(File::open(absent, OpenMode::Read).error().missing());
    EXPECT_TRUE(File::open(folder_ / "no" / "such.txt", OpenMode::CreateNew).error().missing());
    EXPECT_TRUE(readWholeFile(absent, 100).error().missing());
    EXPECT_TRUE(removeFile(absent).error().missing());
    EXPECT_EQ(File::open(absent, OpenMode::Read).error().file, "absent.txt");

    const fs::path ten = folder_ / "ten.txt";
    ASSERT_EQ(opened(ten, OpenMode::CreateNew).writeSomeAt("0123456789", 0), 10u);
    EXPECT_EQ(readWholeFile(ten, 10), "0123456789"s);
    const FileResult<std::string> tooLong = readWholeFile(ten, 9);
    ASSERT_FALSE(tooLong.ok());
    EXPECT_FALSE(tooLong.error().missing());
    EXPECT_NE(describe(tooLong.error()).find("ファイルが大きすぎます"), std::string::npos);
    EXPECT_FALSE(makeFolders(ten / "inside").ok());  // a file stands where a folder should
}

TEST_F(PlatformTest, LocksExcludeOtherOpensButNeverTheBytes) {
    const fs::path path = folder_ / "locked.bin";
    ASSERT_EQ(opened(path, OpenMode::CreateNew).writeSomeAt("record", 0), 6u);
    File first = opened(path, OpenMode::ReadWrite);
    File second = opened(path, OpenMode::ReadWrite);
    File third = opened(path, OpenMode::Read);

    EXPECT_EQ(first.tryLock(LockKind::Shared), true);
    EXPECT_EQ(second.tryLock(LockKind::Shared), true);
    EXPECT_EQ(third.tryLock(LockKind::Exclusive), false);
    second.unlock();
    EXPECT_EQ(first.tryLock(LockKind::Exclusive), true);  // the shared lock held becomes exclusive
    EXPECT_EQ(second.tryLock(LockKind::Shared), false);
    EXPECT_EQ(third.tryLock(LockKind::Exclusive), false);

    // The lock keeps out only those who ask for it.
    EXPECT_EQ(readAt(third, 6, 0), "record");
    EXPECT_EQ(second.writeSomeAt("R", 0), 1u);
    EXPECT_EQ(readAll(path), "Record");

    first.unlock();
    EXPECT_EQ(third.tryLock(LockKind::Exclusive), true);
    third = File();  // closing frees it too
    EXPECT_EQ(second.tryLock(LockKind::Exclusive), true);
}

TEST_F(PlatformTest, TheWriterGivesUpOnALockAfterItsPatience) {
    struct Impatient : FileWriter {
        std::chrono::milliseconds lockPatience() const override {
            return std::chrono::milliseconds(5);
        }
    } writer;
    const fs::path path = folder_ / "busy.bin";
    File holder = opened(path, OpenMode::CreateNew);
    File waiter = opened(path, OpenMode::ReadWrite);
    ASSERT_EQ(holder.tryLock(LockKind::Exclusive), true);
    EXPECT_EQ(writer.lock(waiter, LockKind::Shared), false);
    holder.unlock();
    EXPECT_EQ(writer.lock(waiter, LockKind::Shared), true);
}

TEST_F(PlatformTest, ReplacingLeavesTheNewFileAndNothingBeside) {
    FileWriter writer;
    const fs::path target = folder_ / "kojinfl2.txt";
    ASSERT_TRUE(replaceFileAtomically(writer, target, "old").ok());
    ASSERT_TRUE(replaceFileAtomically(writer, target, "new").ok());
    EXPECT_EQ(readAll(target), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(PlatformTest, JapaneseNamesGoThroughUtf8Unchanged) {
    const std::string folderName = "データ　フォルダー";
    const fs::path folder = folder_ / pathFromUtf8(folderName) / pathFromUtf8("控え");
    ASSERT_TRUE(makeFolders(folder).ok());
    ASSERT_TRUE(makeFolders(folder).ok());  // once made, it is there
    EXPECT_TRUE(folderWritable(folder).ok());
    EXPECT_EQ(utf8Text(folder.parent_path().filename()), folderName);

    const fs::path file = folder / pathFromUtf8("個人ファイル.txt");
    FileWriter writer;
    ASSERT_TRUE(replaceFileAtomically(writer, file, "記録").ok());
    EXPECT_EQ(readAll(file), "記録");
    EXPECT_EQ(opened(file, OpenMode::Read).name(), "個人ファイル.txt");
    EXPECT_EQ(File::open(folder / pathFromUtf8("無い.txt"), OpenMode::Read).error().file,
              "無い.txt");
    // Listed by the system under the same name, not one garbled through a code page.
    EXPECT_EQ(utf8Text(fs::directory_iterator(folder)->path().filename()), "個人ファイル.txt");
}

TEST(NameBasedUuid, MatchesTheVersionFiveExampleInAnyCase) {
    const std::string expected = "2ed6657d-e927-568b-95e1-2665a8aea6a2";
    EXPECT_EQ(nameBasedUuid("6ba7b810-9dad-11d1-80b4-00c04fd430c8", "www.example.com"), expected);
    EXPECT_EQ(nameBasedUuid("6BA7B810-9DAD-11D1-80B4-00C04FD430C8", "www.example.com"), expected);
    EXPECT_NE(nameBasedUuid("6ba7b810-9dad-11d1-80b4-00c04fd430c8", "www.example.org"), expected);
}

}  // namespace
}  // namespace bio
