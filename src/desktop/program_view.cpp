#include "desktop/program_view.h"

#include <QMessageBox>
#include <QScopedValueRollback>
#include <exception>

#include "shell/catalogue.h"
#include "shell/shortcuts.h"
#include "shell/warnings.h"

namespace bio {

namespace {

std::size_t slot(ScreenId id) { return static_cast<std::size_t>(id); }

}  // namespace

ProgramView::ProgramView(Program& program, QString placeFile)
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
    {
        const QScopedValueRollback acting(acting_, true);
        try {
            action();
        } catch (const std::exception& error) {
            // A fault of the program, not of the user: say so and keep running,
            // rather than let the exception end the program and its unsaved input.
            reportInternalError(error.what());
        }
    }
    sync();
}

void ProgramView::reportInternalError(const char* what) {
    QMessageBox box(dialogParent());
    box.setIcon(QMessageBox::Critical);
    box.setWindowTitle(QString::fromUtf8(kWarningTitle.data(), qsizetype(kWarningTitle.size())));
    box.setText(QStringLiteral("プログラムの内部エラーです: ") + QString::fromUtf8(what));
    box.exec();
}

void ProgramView::sync() {
    for (ScreenId id : kAllScreens) {
        if (!program_.created(id)) continue;
        auto& window = windows_[slot(id)];
        if (!window)
            window = std::make_unique<ScreenWindow>(screenDesign(id), shortcuts(id), inputOf(id));
        window->mirror(program_.screen(id));
    }
    if (program_.ended()) {
        if (!endReported_ && placeHolder_ && window(*placeHolder_)->isVisible())
            remembered_.save(window(*placeHolder_)->pos(), program_.fileWriter());
        for (auto& window : windows_)
            if (window) window->hide();
        if (!endReported_) {
            endReported_ = true;
            if (onEnded_) onEnded_();
        }
        return;
    }
    // The place holder that the model hides now hands its place on.
    const ScreenWindow* leaving =
        placeHolder_ && !program_.visible(*placeHolder_) ? window(*placeHolder_) : nullptr;
    // Show before hiding, so that the desktop never sees the program without a window.
    for (ScreenId id : kAllScreens) {
        ScreenWindow* window = windows_[slot(id)].get();
        if (window && program_.visible(id) && !window->isVisible()) {
            window->open(takePlace(id, leaving));
            front_ = window;
        }
    }
    for (ScreenId id : kAllScreens) {
        ScreenWindow* window = windows_[slot(id)].get();
        if (window && !program_.visible(id) && window->isVisible()) window->hide();
    }
}

std::optional<QPoint> ProgramView::takePlace(ScreenId id, const ScreenWindow* leaving) {
    const ScreenWindow& shown = *window(id);
    if (leaving || !placeHolder_) {
        const std::optional<QPoint> wanted =
            leaving ? std::optional<QPoint>(leaving->pos()) : remembered_.load();
        placeHolder_ = id;
        return settledPlace(wanted, shown);
    }
    // Shown over the holder (hyouji over the menu): centred the first time,
    // then where the user left it.
    if (!shown.opened()) return settledPlace(std::nullopt, shown);
    return std::nullopt;
}

ScreenWindow* ProgramView::window(ScreenId id) const { return windows_[slot(id)].get(); }

QWidget* ProgramView::dialogParent() const {
    if (front_ && front_->isVisible()) return front_;
    for (const auto& window : windows_)
        if (window && window->isVisible()) return window.get();
    return nullptr;
}

}  // namespace bio
