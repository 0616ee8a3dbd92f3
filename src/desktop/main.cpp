// The desktop program: starts on baio (or itiran), with its data in the
// directory the command line, the executable's folder or the user's data
// directory gives; or, as the login item, sends the login notice.

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>
#include <vector>

#include "app/command_line.h"
#include "app/data_dir.h"
#include "app/version.h"
#include "desktop/desktop_program.h"
#include "desktop/japanese_fonts.h"
#include "desktop/login_notifier.h"
#include "desktop/single_instance.h"
#include "shell/application_id.h"
#include "ui/system_clock.h"
#include "view/desktop_options.h"
#include "view/window_placement.h"

namespace {

int runDesktop(int argc, char* argv[], const std::filesystem::path& dataDir, bool overview) {
    QApplication app(argc, argv);
    // No organisation: QStandardPaths then gives ~/.config/biorhythm and
    // ~/.local/share/biorhythm, the folders chooseDataDir() uses too.
    QApplication::setApplicationName(QStringLiteral("biorhythm"));
    QApplication::setApplicationVersion(QString::fromLatin1(bio::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(bio::kApplicationId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/jp.biorhythm.Biorhythm.png")));
    bio::installJapaneseFontSubstitutions();
    // Qt's own dialogs (the printer dialog) speak Japanese like the rest.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    // A second start on the same data brings the running program forward instead.
    const std::unique_ptr<bio::SingleInstance> instance = bio::SingleInstance::claim(dataDir);
    if (!instance) return 0;

    bio::SystemClock clock;
    bio::DesktopProgram desktop(dataDir, bio::chooseConfigDir(), clock, bio::defaultPlaceFile());
    instance->setOnAsked([&desktop] { bio::bringToFront(desktop.view().dialogParent()); });
    desktop.view().setOnEnded([] { QCoreApplication::quit(); });
    if (overview) {
        desktop.startOnOverview();
    } else {
        desktop.start();
    }
    if (desktop.program().ended()) return 0;
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Our options are answered before Qt starts, so --help works without a display.
    bio::DesktopOptions options;
    try {
        options = bio::parseDesktopOptions({argv + 1, argv + argc});
    } catch (const bio::UsageError& error) {
        std::cerr << "biorhythm: " << error.what() << '\n' << bio::kDesktopUsage << '\n';
        return bio::kExitUsage;
    }
    const std::filesystem::path dataDir = bio::chooseDataDir(options.dataDir);
    if (options.help) {
        std::cout << bio::desktopHelpText(dataDir);
        return 0;
    }
    if (options.version) {
        std::cout << "biorhythm " << bio::kVersion << '\n';
        return 0;
    }
    std::vector<char*> toolkitArgv{argv[0]};
    for (std::size_t i : options.toolkitArgs) toolkitArgv.push_back(argv[i + 1]);
    toolkitArgv.push_back(nullptr);
    int toolkitArgc = static_cast<int>(toolkitArgv.size()) - 1;
    if (options.notify)
        return bio::sendLoginNotice(toolkitArgc, toolkitArgv.data(), options, dataDir);
    return runDesktop(toolkitArgc, toolkitArgv.data(), dataDir, options.overview);
}
