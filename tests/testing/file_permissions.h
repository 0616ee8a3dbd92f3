#pragma once

#include <functional>

namespace bio::testing {

// Runs `body` where file permissions hold. The superuser ignores them, so when
// the tests run as root the body runs in a child process that has given up
// root's rights (as the user nobody); otherwise it runs in place. The child's
// failed assertions print as usual and fail the calling test. Whatever the
// body changes in memory stays in the child: check files afterwards, in the test.
void withFilePermissions(const std::function<void()>& body);

}  // namespace bio::testing
