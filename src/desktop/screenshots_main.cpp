// Renders every screen after a sample session into PNG files, and prints the
// two reports into PDF files beside them, without a display: the pictures of
// the README.
//
//     biorhythm-screenshots OUTPUT_DIR

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "app/app.h"
#include "desktop/japanese_fonts.h"
#include "desktop/program_view.h"
#include "desktop/qt_printer.h"
#include "ui/doubles.h"

namespace {

using bio::Program;
using bio::ScreenId;

void fillPerson(bio::Screen& screen, const char* nameBox, const char* era,
                std::array<const char*, 3> dateBoxes, const char* name,
                std::array<const char*, 3> date) {
    screen.setText(nameBox, name);
    screen.select(era);
    for (std::size_t i = 0; i < 3; ++i) screen.setText(dateBoxes[i], date[i]);
}

// Each result screen's report into OUTPUT_DIR/SCREEN_report.pdf.
void printReport(Program& p, bio::QtPrinter& printer, const QDir& output, ScreenId id) {
    const std::string_view screen = bio::screenName(id);
    const QString file = output.filePath(QString::fromUtf8(screen.data(), screen.size()) +
                                         QStringLiteral("_report.pdf"));
    printer.device().setOutputFileName(file);
    p.click(id, "repoto");
    std::printf("%s\n", qPrintable(file));
}

// The worked examples: a reading, a compatibility reading of two registered
// persons, the register browsed, two more persons added on the update screen
// and everyone's biorhythm for the day; the reports of both readings.
void runSampleSession(Program& p, bio::QtPrinter& printer, const QDir& output) {
    fillPerson(p.screen(ScreenId::baio), "Text7", "Option3", {"Text1", "Text2", "Text3"},
               "ＡＢＣＤ", {"38", "5", "10"});
    p.click(ScreenId::baio, "Command1");
    printReport(p, printer, output, ScreenId::sindan);
    p.click(ScreenId::sindan, "menyuhe");
    p.click(ScreenId::menyu, "Command4");
    bio::Screen& aisyou = p.screen(ScreenId::aisyou);
    fillPerson(aisyou, "Text7", "Option3", {"Text1", "Text2", "Text3"}, "山田太郎",
               {"40", "5", "10"});
    fillPerson(aisyou, "Text8", "Option7", {"Text11", "Text10", "Text9"}, "山田花子",
               {"42", "8", "3"});
    p.click(ScreenId::aisyou, "Command2");
    p.click(ScreenId::aisyou, "Command1");
    printReport(p, printer, output, ScreenId::aisyousin);
    p.click(ScreenId::aisyousin, "mnback");
    p.click(ScreenId::menyu, "Command5");
    p.click(ScreenId::hyouji, "Command1");
    p.click(ScreenId::menyu, "Command2");
    bio::Screen& kousin = p.screen(ScreenId::kousin);
    using Record = std::array<const char*, 6>;
    for (const Record& record : {Record{"3", "鈴木花音", "令和", "元", "7", "20"},
                                 Record{"4", "鈴木一郎", "平成", "5", "4", "1"}}) {
        for (int field = 0; field < 6; ++field)
            kousin.setText("Text" + std::to_string(field + 1) + "(0)", record[field]);
        p.click(ScreenId::kousin, "Command2");
    }
    p.click(ScreenId::kousin, "Command1");
    p.click(ScreenId::menyu, "Command7");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: biorhythm-screenshots OUTPUT_DIR\n");
        return 2;
    }
    bio::installJapaneseFontSubstitutions();
    QTemporaryDir dataDir;
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (!dataDir.isValid() || !output.mkpath(".")) {
        std::fprintf(stderr, "biorhythm-screenshots: cannot prepare the folders\n");
        return 1;
    }

    // Dialogs answer OK, and the printer writes PDF files: nothing waits for a user.
    auto ignore = [](const std::string&) {};
    bio::ScriptedDialogs dialogs(ignore);
    bio::QtPrinter printer;
    printer.device().setOutputFormat(QPrinter::PdfFormat);
    bio::FixedClock clock({2026, 12, 7});
    const std::filesystem::path dataPath = QFile::encodeName(dataDir.path()).toStdString();
    auto program =
        bio::makeProgram(bio::Services{dialogs, printer, clock}, dataPath, dataPath / "config");
    bio::ProgramView view(*program, dataPath / "window.ini");
    program->start();
    runSampleSession(*program, printer, output);

    for (ScreenId id : bio::kAllScreens) program->screen(id);
    view.sync();
    int failures = 0;
    for (ScreenId id : bio::kAllScreens) {
        bio::ScreenWindow* window = view.window(id);
        window->open(std::nullopt);
        const QString file = output.filePath(
            QString::fromUtf8(bio::screenName(id).data(), bio::screenName(id).size()) + ".png");
        if (window->grab().save(file)) {
            std::printf("%s\n", qPrintable(file));
        } else {
            std::fprintf(stderr, "biorhythm-screenshots: cannot write %s\n", qPrintable(file));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
