#include "testing/program_fixture.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "register/record_layout.h"

namespace bio::testing {

TempDir::TempDir() {
    std::random_device random;
    auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("bio-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
    std::error_code ignored;
    // A test may have made the directory read-only; give the permission back first.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string seedRecords(const Cp932& cp932, int count) {
    std::string bytes;
    for (int k = 1; k <= count; ++k)
        bytes += encodeRecord(cp932, {std::to_string(k), "Seed" + std::to_string(k), "昭和", "40",
                                      "5", std::to_string(k)});
    return bytes;
}

TestProgram::TestProgram(Date today)
    : dialogs(events.sink()), printer(events.sink()), clock(today) {}

Program& TestProgram::start() {
    program_ = makeProgram(Services{dialogs, printer, clock}, dir.path(), dir.path() / "config");
    program_->start();
    return *program_;
}

}  // namespace bio::testing
