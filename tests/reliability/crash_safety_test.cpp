// The last-entry file survives the program being killed at any moment while
// it rewrites the file: afterwards it holds the old or the new line, whole.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <csignal>
#include <random>
#include <string>
#include <thread>

#include "testing/program_fixture.h"

namespace bio {
namespace {

using testing::readBytes;
using testing::TestProgram;

// Readings for two persons, one after the other, until killed.
[[noreturn]] void readForever(TestProgram& t) {
    Program& p = t.start();
    for (int i = 0;; ++i) {
        p.show(ScreenId::baio);
        p.screen(ScreenId::baio).setText("Text7", i % 2 ? "ＡＢＣＤ" : "山田太郎");
        p.click(ScreenId::baio, "Command1");
    }
}

TEST(CrashSafety, AKilledRewriteLeavesTheOldOrTheNewFileWhole) {
    TestProgram t;
    Program& p = t.start();
    const std::string lines[] = {
        p.cp932().encode("\"ＡＢＣＤ\",\"\",\"\",\"\",\"\"\r\n"),
        p.cp932().encode("\"山田太郎\",\"\",\"\",\"\",\"\"\r\n"),
    };
    p.screen(ScreenId::baio).setText("Text7", "ＡＢＣＤ");
    p.click(ScreenId::baio, "Command1");  // the file to start from
    std::mt19937 random(7);
    int killedWhileWriting = 0;
    // Under a sanitizer on a busy machine a child may start writing late:
    // more rounds, until one kill has hit a rewrite.
    for (int round = 0; round < 150 || (killedWhileWriting == 0 && round < 600); ++round) {
        std::fflush(nullptr);
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) readForever(t);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20'000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::string bytes = readBytes(t.file("kojinfl.txt"));
        EXPECT_TRUE(bytes == lines[0] || bytes == lines[1]) << "round " << round << ": " << bytes;
        for (const auto& entry : std::filesystem::directory_iterator(t.dir.path()))
            if (entry.path().filename() != "kojinfl.txt") ++killedWhileWriting;
    }
    // The test is only worth something if some kills hit a rewrite half-way.
    EXPECT_GT(killedWhileWriting, 0);
}

}  // namespace
}  // namespace bio
