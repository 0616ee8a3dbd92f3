#include "win32/program_view.h"

#include <exception>

#include "shell/catalogue.h"
#include "shell/shortcuts.h"
#include "shell/warnings.h"
#include "win32/wide.h"

namespace bio {

namespace {

std::size_t slot(ScreenId id) { return static_cast<std::size_t>(id); }

PixelRect pixels(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

BOOL CALLBACK addWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<PixelRect>*>(areas)->push_back(pixels(info.rcWork));
    return TRUE;
}

PixelPoint settledPlace(const std::optional<PixelPoint>& wanted, const ScreenWindow& window) {
    std::vector<PixelRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, addWorkArea, reinterpret_cast<LPARAM>(&areas));
    MONITORINFO primary{};
    primary.cbSize = sizeof primary;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary);
    return settledPlace(wanted, window.frameSize(), areas, pixels(primary.rcWork));
}

}  // namespace

ProgramView::ProgramView(Program& program, std::filesystem::path placeFile)
    : program_(program), remembered_(std::move(placeFile)) {}

ProgramView::~ProgramView() = default;

WindowInput ProgramView::inputOf(ScreenId id) {
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

void ProgramView::perform(const std::function<void()>& action) {
    // Input that reaches a window while a command still runs (behind its modal
    // dialog) would interleave two commands; the model runs one at a time.
    if (acting_ || program_.ended()) return;
    acting_ = true;
    try {
        action();
    } catch (const std::exception& error) {
        // A fault of the program, not of the user: say so and keep running.
        MessageBoxW(dialogParent(),
                    wide(std::string("プログラムの内部エラーです: ") + error.what()).c_str(),
                    wide(std::string(kWarningTitle)).c_str(), MB_OK | MB_ICONERROR);
    }
    acting_ = false;
    sync();
}

void ProgramView::sync() {
    for (ScreenId id : kAllScreens) {
        if (!program_.created(id)) continue;
        auto& window = windows_[slot(id)];
        if (!window)
            window = std::make_unique<ScreenWindow>(screenDesign(id), shortcuts(id), inputOf(id),
                                                    readerNames_);
        window->mirror(program_.screen(id));
    }
    if (program_.ended()) {
        if (!endReported_) {
            endReported_ = true;
            if (placeHolder_ && window(*placeHolder_)->isVisible())
                remembered_.save(window(*placeHolder_)->position(), program_.fileWriter());
            for (auto& window : windows_)
                if (window) window->hide();
            PostQuitMessage(0);
        }
        return;
    }
    const ScreenWindow* leaving =
        placeHolder_ && !program_.visible(*placeHolder_) ? window(*placeHolder_) : nullptr;
    // Show before hiding, so that the desktop never sees the program without a window.
    for (ScreenId id : kAllScreens) {
        ScreenWindow* shown = window(id);
        if (shown && program_.visible(id) && !shown->isVisible()) {
            shown->open(takePlace(id, leaving));
            front_ = shown;
        }
    }
    for (ScreenId id : kAllScreens) {
        ScreenWindow* hidden = window(id);
        if (hidden && !program_.visible(id) && hidden->isVisible()) hidden->hide();
    }
}

std::optional<PixelPoint> ProgramView::takePlace(ScreenId id, const ScreenWindow* leaving) {
    const ScreenWindow& shown = *window(id);
    if (leaving || !placeHolder_) {
        const std::optional<PixelPoint> wanted =
            leaving ? std::optional<PixelPoint>(leaving->position()) : remembered_.load();
        placeHolder_ = id;
        return settledPlace(wanted, shown);
    }
    // Shown over the holder (hyouji over the menu): centred the first time,
    // then where the user left it.
    if (!shown.opened()) return settledPlace(std::nullopt, shown);
    return std::nullopt;
}

ScreenWindow* ProgramView::window(ScreenId id) const { return windows_[slot(id)].get(); }

HWND ProgramView::dialogParent() const {
    if (front_ && front_->isVisible()) return front_->handle();
    for (const auto& window : windows_)
        if (window && window->isVisible()) return window->handle();
    return nullptr;
}

bool ProgramView::translate(MSG& message) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    for (const auto& window : windows_)
        if (window && window->handle() == root) return window->translate(message);
    return false;
}

}  // namespace bio
