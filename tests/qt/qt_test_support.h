#pragma once
// Helpers for the view tests: a whole desktop program on a fixed date in a
// temporary folder, answering modal dialogs, and the worked example reading.

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "desktop/desktop_program.h"
#include "testing/program_fixture.h"

namespace bio::testing {

// Runs `act` on the next modal dialog as soon as it is on screen.
void onNextModal(std::function<void(QWidget*)> act);

// The window place file in a test's folder.
std::filesystem::path placeFileIn(const TempDir& dir);

struct Desktop {
    // Remembers its window's place in `placeFile`, by default in its own folder.
    explicit Desktop(const std::optional<std::filesystem::path>& placeFile = std::nullopt);

    Screen& screen(ScreenId id) { return desktop.program().screen(id); }
    ScreenWindow& window(ScreenId id) { return *desktop.view().window(id); }
    template <class W>
    W* widget(ScreenId id, const std::string& key) {
        return dynamic_cast<W*>(window(id).widget(key));
    }

    TempDir dir;
    FixedClock clock{{2026, 12, 7}};
    DesktopProgram desktop;
};

// Types any text, Japanese included, as key presses on the widget.
void typeText(QWidget* widget, const QString& text);

// Types ＡＢＣＤ, 昭和 38-5-10 into baio the way a user does, then presses Enter.
void typeWorkedExample(Desktop& d);

// The worked example as the program shows and prints it on 7 December 2026.
QStringList workedExampleListLines();
QStringList workedExamplePrintedLines();

}  // namespace bio::testing
