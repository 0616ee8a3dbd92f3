#include "shell/program.h"

#include "shell/catalogue.h"

namespace bio {

Program::Program(Services services, std::filesystem::path dataDir, std::filesystem::path configDir)
    : services_(services), dataDir_(std::move(dataDir)), configDir_(std::move(configDir)) {}

Program::~Program() = default;

Screen& Program::screen(ScreenId id) {
    auto& slot = screens_[index(id)];
    if (!slot) {
        slot = std::make_unique<Screen>(screenDesign(id));
        // The load action runs once, before anything else sees the screen.
        if (loadActions_[index(id)]) loadActions_[index(id)](*this);
    }
    return *slot;
}

bool Program::visible(ScreenId id) const { return created(id) && screens_[index(id)]->visible(); }

void Program::show(ScreenId id) { screen(id).setVisible(true); }

void Program::hide(ScreenId id) { screen(id).setVisible(false); }

void Program::move(ScreenId from, ScreenId to) {
    hide(from);
    show(to);
}

void Program::start() { show(ScreenId::baio); }

void Program::end() {
    closeAllFiles();
    ended_ = true;
}

void Program::setLoadAction(ScreenId id, Action action) {
    loadActions_[index(id)] = std::move(action);
}

void Program::setCommand(ScreenId id, const std::string& controlKey, Action action) {
    commands_[index(id)][controlKey] = std::move(action);
}

bool Program::click(ScreenId id, const std::string& controlKey) {
    if (ended_) return false;
    auto& commands = commands_[index(id)];
    auto found = commands.find(controlKey);
    if (found == commands.end()) return false;
    // Copy: a handler may install handlers, which must not pull the running one away.
    Action action = found->second;
    action(*this);
    return true;
}

void Program::check(ScreenId id, const std::string& controlKey, bool checked) {
    if (ended_) return;
    Control& box = screen(id).control(controlKey);
    if (box.checked() == checked) return;
    box.setChecked(checked);
    click(id, controlKey);
}

void Program::enter(ScreenId id) {
    const std::string& button = screen(id).design().defaultButton;
    if (!button.empty()) click(id, button);
}

void Program::closeBox(ScreenId id) {
    if (ended_) return;
    const std::string& command = screen(id).design().closeCommand;
    if (command.empty()) {
        end();
    } else {
        click(id, command);
    }
}

}  // namespace bio
