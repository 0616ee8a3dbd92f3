#pragma once
// Runs the whole program from a script: user actions go to the model, dialog
// answers are queued for the scripted dialogs, queries and events are printed
// one line each.

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>

#include "script/script_parser.h"
#include "shell/program.h"
#include "ui/doubles.h"

namespace bio::script {

// Exit statuses of the driver.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the program itself failed, not the script
inline constexpr int kExitScriptError = 2;

class ScriptRunner {
  public:
    // Output lines go to `out`, each flushed as it is written so that they
    // interleave correctly with anything else the process prints.
    ScriptRunner(std::ostream& out, Clock& clock, std::filesystem::path dataDir,
                 std::filesystem::path configDir);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Starts the program and runs the script to its last line, to the end of
    // the program or to the first line that cannot run, whose reason goes to
    // `err` as "script:LINE: reason". Returns the exit status.
    int run(std::istream& script, std::ostream& err);

    // The program the script drives, for tests to set up and inspect.
    Program& program() { return *program_; }

  private:
    void print(const std::string& line);
    void execute(const ScriptLine& line);
    void requireVisible(ScreenId id) const;
    void printValue(const std::string& target, const Control& control);
    void printControl(ScreenId id, const Control& control);
    void printList(const std::string& target, const Control& control);
    void printItem(const std::string& target, const Control& control, int item);
    void printCanvas(const Canvas& canvas);
    void printScreens();
    // `names S` and `describe S.C`: what a screen reader says for the controls.
    void printNames(ScreenId id);
    void printDescription(const ScriptLine& line);

    std::ostream& out_;
    ScriptedDialogs dialogs_;
    RecordingPrinter printer_;
    std::unique_ptr<Program> program_;
};

}  // namespace bio::script
