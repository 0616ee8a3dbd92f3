#pragma once
// The running program: owns the diagnosis state, the seven screens, the
// platform services, the data directory, the user's settings folder and the
// open data file. Command
// handlers and load actions are installed by the layers above the shell.

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/file_writer.h"
#include "shell/screen_id.h"
#include "state/cp932.h"
#include "state/diagnosis_state.h"
#include "ui/screen.h"
#include "ui/services.h"

namespace bio {

// A data file left open between operations; closing it is destroying it.
class OpenDataFile {
  public:
    virtual ~OpenDataFile() = default;
};

struct Services {
    Dialogs& dialogs;
    Printer& printer;
    Clock& clock;
};

class Program {
  public:
    using Action = std::function<void(Program&)>;

    // `configDir` is the user's settings folder (~/.config), where the
    // desktop's login items live.
    Program(Services services, std::filesystem::path dataDir, std::filesystem::path configDir);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DiagnosisState& state() { return state_; }
    const Cp932& cp932() const { return cp932_; }
    Dialogs& dialogs() { return services_.dialogs; }
    Printer& printer() { return services_.printer; }
    Clock& clock() { return services_.clock; }
    const std::filesystem::path& dataDir() const { return dataDir_; }
    const std::filesystem::path& configDir() const { return configDir_; }
    // The system's calls unless a test has put its own writer in.
    FileWriter& fileWriter() { return *fileWriter_; }
    void useFileWriter(FileWriter& writer) { fileWriter_ = &writer; }

    // Creates the screen on first touch (running its load action).
    Screen& screen(ScreenId id);
    bool created(ScreenId id) const { return screens_[index(id)] != nullptr; }
    bool visible(ScreenId id) const;

    void show(ScreenId id);
    void hide(ScreenId id);
    // Hides `from`, then shows `to`.
    void move(ScreenId from, ScreenId to);

    // Starts as a user sees it: baio created and shown.
    void start();
    // Closes every data file, then ends; nothing runs afterwards.
    void end();
    bool ended() const { return ended_; }

    void closeAllFiles() { openFile_.reset(); }
    void adoptOpenFile(std::unique_ptr<OpenDataFile> file) { openFile_ = std::move(file); }
    OpenDataFile* openFile() { return openFile_.get(); }

    // Installed by the layers above; a screen without a load action has none.
    void setLoadAction(ScreenId id, Action action);
    void setCommand(ScreenId id, const std::string& controlKey, Action action);

    // A click on a command button or menu command; false when it has no handler.
    bool click(ScreenId id, const std::string& controlKey);
    // A click on a check box that ticks it (`checked`) or clears it: the box
    // takes the new state, then its command runs. Nothing happens when the
    // box already stands so.
    void check(ScreenId id, const std::string& controlKey, bool checked);
    // The Enter key: runs the default button, if the screen has one.
    void enter(ScreenId id);
    // The window's close box: the screen's close command (hyouji and itiran go
    // back to the menu), or the end of the program.
    void closeBox(ScreenId id);

  private:
    static std::size_t index(ScreenId id) { return static_cast<std::size_t>(id); }

    Services services_;
    std::filesystem::path dataDir_;
    std::filesystem::path configDir_;
    FileWriter systemWriter_;
    FileWriter* fileWriter_ = &systemWriter_;
    DiagnosisState state_;
    Cp932 cp932_;
    std::array<std::unique_ptr<Screen>, kAllScreens.size()> screens_{};
    std::array<Action, kAllScreens.size()> loadActions_{};
    std::array<std::map<std::string, Action>, kAllScreens.size()> commands_{};
    std::unique_ptr<OpenDataFile> openFile_;
    bool ended_ = false;
};

}  // namespace bio
