// A register file of any bytes is scanned and read record by record without
// failing, and reading never changes it.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "register/register_file.h"
#include "shell/program.h"
#include "ui/doubles.h"

namespace {

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("bio-register-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    const auto file = dir / "kojinfl2.txt";
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;

    bio::ScriptedDialogs dialogs([](const std::string&) {});
    bio::RecordingPrinter printer([](const std::string&) {});
    bio::FixedClock clock({2026, 12, 7});
    bio::Program program(bio::Services{dialogs, printer, clock}, dir, dir / "config");
    int records = 0;
    // Any bytes are a register that scans and reads, whatever the records hold.
    if (!bio::scanRegister(program, [&records](int, const bio::RegisterRecord&) { ++records; }))
        std::abort();
    for (int k = 1; k <= records + 1; ++k)
        if (!bio::readRecord(program, k)) std::abort();
    program.closeAllFiles();
    if (contents(file) != bytes) std::abort();
    return 0;
}
