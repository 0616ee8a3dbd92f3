// The Windows desktop program: starts on baio (or itiran), with its data in
// the directory the command line, the executable's folder or the user's data
// folder gives; or, as the login item, shows the login notice.

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/app.h"
#include "app/command_line.h"
#include "app/data_dir.h"
#include "app/version.h"
#include "overview/overview.h"
#include "platform/program_entry.h"
#include "platform/utf16.h"
#include "ui/system_clock.h"
#include "view/desktop_options.h"
#include "win32/com_apartment.h"
#include "win32/gdi_printer.h"
#include "win32/login_balloon.h"
#include "win32/program_view.h"
#include "win32/single_instance.h"
#include "win32/windows_dialogs.h"

namespace bio {

namespace {

// A GUI program has no console to print to: what it says, it shows.
void show(const std::string& text, UINT icon) {
    MessageBoxW(nullptr, wide(text).c_str(), L"バイオリズム診断", MB_OK | icon);
}

int runDesktop(const std::filesystem::path& dataDir, bool overview) {
    const std::unique_ptr<SingleInstance> instance = SingleInstance::claim(dataDir);
    if (!instance) return 0;

    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    SystemClock clock;
    GdiPrinter printer;
    // Before everything that may use COM, and so gone after it.
    ComApartment apartment;
    WindowsDialogs dialogs(printer, apartment);
    const std::unique_ptr<Program> program =
        makeProgram(Services{dialogs, printer, clock}, dataDir, chooseConfigDir());
    ProgramView view(*program, defaultPlaceFile(), apartment);
    dialogs.setBeforeOpening([&view] {
        view.sync();
        return view.dialogParent();
    });
    instance->setOnAsked([&view] { bringToFront(view.dialogParent()); });
    if (overview) {
        showOverview(*program);
    } else {
        program->start();
    }
    view.sync();
    if (program->ended()) return 0;

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (view.translate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int programMain(const std::vector<std::string>& args) {
    DesktopOptions options;
    try {
        options = parseDesktopOptions(args);
    } catch (const UsageError& error) {
        show(std::string(error.what()) + "\n" + kDesktopUsage, MB_ICONERROR);
        return kExitUsage;
    }
    // The data directory only where it is used: the per-user one is a known
    // folder, which --version has no need to look up.
    if (options.help) {
        show(desktopHelpText(chooseDataDir(options.dataDir)), MB_ICONINFORMATION);
        return 0;
    }
    if (options.version) {
        show(std::string("biorhythm ") + kVersion, MB_ICONINFORMATION);
        return 0;
    }
    const std::filesystem::path dataDir = chooseDataDir(options.dataDir);
    if (options.notify) return showLoginBalloon(dataDir);
    return runDesktop(dataDir, options.overview);
}

}  // namespace bio
