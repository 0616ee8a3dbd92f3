#include "view/program_windows.h"

#include <exception>

namespace bio {

namespace {

std::size_t slot(ScreenId id) { return static_cast<std::size_t>(id); }

// True for as long as it lives, whatever leaves the scope.
class Raised {
  public:
    explicit Raised(bool& flag) : flag_(flag) { flag_ = true; }
    ~Raised() { flag_ = false; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

  private:
    bool& flag_;
};

}  // namespace

ProgramWindows::ProgramWindows(Program& program, FrontEnd& front, std::filesystem::path placeFile)
    : program_(program), front_(front), remembered_(std::move(placeFile)) {}

WindowInput ProgramWindows::inputOf(ScreenId id) {
    WindowInput input;
    input.typed = [this, id](const std::string& key, const std::string& text) {
        perform([&] { program_.screen(id).setText(key, text); });
    };
    input.selected = [this, id](const std::string& key) {
        perform([&] { program_.screen(id).select(key); });
    };
    input.checked = [this, id](const std::string& key, bool checked) {
        perform([&] { program_.check(id, key, checked); });
    };
    input.clicked = [this, id](const std::string& key) {
        perform([&] { program_.click(id, key); });
    };
    input.enter = [this, id] { perform([&] { program_.enter(id); }); };
    input.closeBox = [this, id] { perform([&] { program_.closeBox(id); }); };
    return input;
}

void ProgramWindows::perform(const std::function<void()>& action) {
    // Input that reaches a window while a command still runs (behind its modal
    // dialog) would interleave two commands; the model runs one at a time.
    if (acting_ || program_.ended()) return;
    {
        const Raised acting(acting_);
        try {
            action();
        } catch (const std::exception& error) {
            // A fault of the program, not of the user: say so and keep running,
            // rather than let the exception end the program and its unsaved input.
            front_.showInternalError(std::string("プログラムの内部エラーです: ") + error.what());
        }
    }
    sync();
}

void ProgramWindows::sync() {
    for (ScreenId id : kAllScreens) {
        if (!program_.created(id)) continue;
        std::unique_ptr<ScreenView>& shown = windows_[slot(id)];
        if (!shown) shown = front_.makeWindow(id, inputOf(id));
        shown->mirror(program_.screen(id));
    }
    if (program_.ended()) {
        if (!endReported_ && placeHolder_ && window(*placeHolder_)->isVisible())
            remembered_.save(window(*placeHolder_)->position(), program_.fileWriter());
        for (const auto& hidden : windows_)
            if (hidden) hidden->hide();
        if (!endReported_) {
            endReported_ = true;
            front_.ended();
        }
        return;
    }
    // The place holder that the model hides now hands its place on.
    const ScreenView* leaving =
        placeHolder_ && !program_.visible(*placeHolder_) ? window(*placeHolder_) : nullptr;
    // Show before hiding, so that the desktop never sees the program without a window.
    for (ScreenId id : kAllScreens) {
        ScreenView* shown = window(id);
        if (shown && program_.visible(id) && !shown->isVisible()) {
            shown->open(takePlace(id, leaving));
            lastOpened_ = shown;
        }
    }
    for (ScreenId id : kAllScreens) {
        ScreenView* hidden = window(id);
        if (hidden && !program_.visible(id) && hidden->isVisible()) hidden->hide();
    }
}

std::optional<PixelPoint> ProgramWindows::takePlace(ScreenId id, const ScreenView* leaving) {
    const ScreenView& shown = *window(id);
    if (leaving || !placeHolder_) {
        const std::optional<PixelPoint> wanted =
            leaving ? std::optional<PixelPoint>(leaving->position()) : remembered_.load();
        placeHolder_ = id;
        return settled(wanted, shown);
    }
    // Shown over the holder (hyouji over the menu): centred the first time,
    // then where the user left it.
    if (!shown.opened()) return settled(std::nullopt, shown);
    return std::nullopt;
}

PixelPoint ProgramWindows::settled(const std::optional<PixelPoint>& wanted,
                                   const ScreenView& window) const {
    const WorkAreas areas = front_.workAreas();
    return settledPlace(wanted, window.frameSize(), areas.screens, areas.primary);
}

ScreenView* ProgramWindows::window(ScreenId id) const { return windows_[slot(id)].get(); }

ScreenView* ProgramWindows::dialogParent() const {
    if (lastOpened_ && lastOpened_->isVisible()) return lastOpened_;
    for (const auto& shown : windows_)
        if (shown && shown->isVisible()) return shown.get();
    return nullptr;
}

}  // namespace bio
