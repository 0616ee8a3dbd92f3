// The program measured by startup_bench: starts either the desktop program on
// baio or a bare Qt window with one label, writes one line on standard output
// as soon as the window's first paint is done, and ends.
//
//     startup_child baio|bare

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "desktop/desktop_program.h"
#include "desktop/japanese_fonts.h"
#include "ui/system_clock.h"

namespace {

// Each run shows one window; the first paint event anywhere is its first paint.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!reported_ && event->type() == QEvent::Paint) {
            reported_ = true;
            // Queued: runs after the whole window has been painted and flushed.
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

  private:
    bool reported_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint watch;
    app.installEventFilter(&watch);

    QTemporaryDir dataDir;
    bio::SystemClock clock;
    std::unique_ptr<bio::DesktopProgram> desktop;
    QWidget bare;
    if (argc == 2 && std::strcmp(argv[1], "baio") == 0) {
        bio::installJapaneseFontSubstitutions();
        const std::filesystem::path dataPath = QFile::encodeName(dataDir.path()).toStdString();
        desktop = std::make_unique<bio::DesktopProgram>(dataPath, dataPath / "config", clock,
                                                        dataPath / "window.ini");
        desktop->start();
    } else {
        new QLabel(QStringLiteral("label"), &bare);
        bare.show();
    }
    return QApplication::exec();
}
