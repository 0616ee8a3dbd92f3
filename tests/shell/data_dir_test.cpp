#include "app/data_dir.h"

#include <gtest/gtest.h>

#include <fstream>

#include "testing/program_fixture.h"

namespace bio {
namespace {

// The per-user folder is a known folder on Windows, which loads the shell's
// DLL: asked for only when the rule comes to it.
TEST(ChooseDataDir, AsksForThePerUserFolderOnlyWhenNothingElseIsTaken) {
    const testing::TempDir temp;
    const std::filesystem::path portable = temp.path() / "portable-copy";
    const std::filesystem::path plain = temp.path() / "installed";
    std::filesystem::create_directories(portable);
    std::filesystem::create_directories(plain);
    std::ofstream{portable / kPortableMarker};  // empty, as the build writes it
    const std::filesystem::path perUser = temp.path() / "per-user";

    int asked = 0;
    const auto perUserDir = [&] {
        ++asked;
        return perUser;
    };
    EXPECT_EQ(chooseDataDir(temp.path() / "given", plain, perUserDir), temp.path() / "given");
    EXPECT_EQ(chooseDataDir(std::nullopt, portable, perUserDir), portable);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(chooseDataDir(std::nullopt, plain, perUserDir), perUser);
    EXPECT_EQ(chooseDataDir(std::nullopt, {}, perUserDir), perUser);
    EXPECT_EQ(asked, 2);
}

}  // namespace
}  // namespace bio
