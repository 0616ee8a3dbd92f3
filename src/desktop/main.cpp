// The desktop program: starts on baio with its data files beside the executable.

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "desktop/desktop_program.h"
#include "desktop/japanese_fonts.h"
#include "desktop/window_placement.h"
#include "ui/system_clock.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bio::installJapaneseFontSubstitutions();
    // Qt's own dialogs (the printer dialog) speak Japanese like the rest.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    bio::SystemClock clock;
    const std::filesystem::path dataDir =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    bio::DesktopProgram desktop(dataDir, clock, bio::defaultPlaceFile());
    desktop.view().setOnEnded([] { QCoreApplication::quit(); });
    desktop.start();
    if (desktop.program().ended()) return 0;
    return QApplication::exec();
}
