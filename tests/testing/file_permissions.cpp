#include "testing/file_permissions.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include <gtest/gtest.h>

namespace bio::testing {

namespace {

constexpr uid_t kNobody = 65534;

}  // namespace

void withFilePermissions(const std::function<void()>& body) {
    if (::geteuid() != 0) {
        body();
        return;
    }
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_NE(child, -1) << "fork failed";
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            std::fprintf(stderr, "cannot give up the superuser's rights\n");
            ::_exit(3);
        }
        body();
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the unprivileged part ended abnormally";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the unprivileged part failed (see above)";
}

}  // namespace bio::testing
