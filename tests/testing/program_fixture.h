#pragma once
// A whole program on the model for tests: a fresh temporary data directory, a
// fixed date (7 December 2026 unless given), scripted dialogs and a recording
// printer whose events land in `events`.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "platform/path.h"
#include "ui/doubles.h"

namespace bio::testing {

// A fresh directory under the system's temporary folder, removed afterwards.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::string& bytes);
// The bytes of a register of records 1..count: number k, name "Seed<k>", 昭和 40-5-k.
std::string seedRecords(const Cp932& cp932, int count);

struct TestProgram {
    explicit TestProgram(Date today = {2026, 12, 7});

    // Builds the program and runs its start-up; files may be seeded before.
    Program& start();
    Program& program() { return *program_; }
    // `name` in UTF-8, as the program takes names.
    std::filesystem::path file(const std::string& name) const {
        return dir.path() / pathFromUtf8(name);
    }

    TempDir dir;
    EventLog events;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    FixedClock clock;

  private:
    std::unique_ptr<Program> program_;
};

}  // namespace bio::testing
