// Printing through the platform's printer dialog onto PDF files: the printed
// text, the graph at its natural size, the report page, one file per
// document, Cancel, and a job that fails.

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "app/app.h"
#include "desktop/japanese_fonts.h"
#include "desktop/program_view.h"
#include "desktop/qt_printer.h"
#include "qt_test_support.h"

using namespace bio;
using namespace bio::testing;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Answers the printer dialog (and the question whether to overwrite a file, if
// one comes) with OK.
void acceptPrinterDialog() {
    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        QVERIFY(dialog);
        dialog->accept();
    });
}

QString defaultPdf(const Desktop& d, const QString& suffix = {}) {
    return QDir(QString::fromStdString(d.dir.path().string()))
        .filePath(QStringLiteral("バイオリズム診断%1.pdf").arg(suffix));
}

// The text lines of a PDF file. Text extraction turns the gap an ideographic
// space leaves into a plain blank, so both sides compare with blanks.
QStringList pdfLines(const QString& file) {
    QStringList lines;
    for (const QString& line : run("pdftotext", {file, "-"}).split('\n'))
        if (!line.trimmed().isEmpty()) lines << line.trimmed();
    return lines;
}

QStringList withPlainBlanks(QStringList lines) {
    for (QString& line : lines) line.replace(QChar(0x3000), QChar(' '));
    return lines;
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        installJapaneseFontSubstitutions();
        // No real printer may take these jobs, whatever the machine has.
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    }

    void messagePrintsTheEightLines() {
        Desktop d;
        // Without a printer the dialog offers a PDF file in the home folder.
        qputenv("HOME", QByteArray::fromStdString(d.dir.path().string()));
        typeWorkedExample(d);
        acceptPrinterDialog();
        d.window(ScreenId::sindan).menuCommand("messeji")->trigger();
        QVERIFY(QFileInfo::exists(defaultPdf(d)));
        QCOMPARE(pdfLines(defaultPdf(d)), withPlainBlanks(workedExamplePrintedLines()));
        QVERIFY(!QFileInfo::exists(defaultPdf(d, "-2")));
    }

    void bothPrintsTwoDocumentsIntoTwoFiles() {
        Desktop d;
        qputenv("HOME", QByteArray::fromStdString(d.dir.path().string()));
        typeWorkedExample(d);
        acceptPrinterDialog();
        d.window(ScreenId::sindan).menuCommand("ryouinsatu")->trigger();
        // The text first, then the graph next to it rather than over it.
        QCOMPARE(pdfLines(defaultPdf(d)), withPlainBlanks(workedExamplePrintedLines()));
        QVERIFY(QFileInfo::exists(defaultPdf(d, "-2")));
        QVERIFY(pdfLines(defaultPdf(d, "-2"))
                    .join("")
                    .contains(QStringLiteral("月のバイオリズムグラフ")));
    }

    void graphPrintsAtItsNaturalSize() {
        Desktop d;
        qputenv("HOME", QByteArray::fromStdString(d.dir.path().string()));
        typeWorkedExample(d);
        acceptPrinterDialog();
        d.window(ScreenId::sindan).menuCommand("gurafu")->trigger();
        const QString prefix = QString::fromStdString((d.dir.path() / "page").string());
        run("pdftoppm", {"-r", "100", "-png", "-singlefile", defaultPdf(d), prefix});
        const QImage page(prefix + ".png");
        QVERIFY(!page.isNull());
        // The curves span the picture's width: 10455 twips, about 7.26 inches.
        int left = page.width(), right = -1, top = page.height(), bottom = -1;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.pixelColor(x, y) == QColor(0, 0, 128)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        const double inches = (right - left) / 100.0;
        QVERIFY2(std::abs(inches - 10455 / 1440.0) < 0.15, qPrintable(QString::number(inches)));
        // At the top-left of the printable area: well inside the upper half of the page.
        QVERIFY2(left < 150 && top < 200, qPrintable(QString("%1,%2").arg(left).arg(top)));
    }

    // One A4 portrait page whatever the dialog chose, and the choice kept for
    // the next document.
    void reportIsOneA4PageWithTheCautionDays() {
        Desktop d;
        qputenv("HOME", QByteArray::fromStdString(d.dir.path().string()));
        typeWorkedExample(d);
        QPrinter& device = d.desktop.printer().device();
        device.setPageSize(QPageSize(QPageSize::Letter));
        device.setPageOrientation(QPageLayout::Landscape);
        acceptPrinterDialog();
        d.window(ScreenId::sindan).menuCommand("repoto")->trigger();

        const QString info = run("pdfinfo", {defaultPdf(d)});
        QVERIFY2(info.contains(QRegularExpression("Pages: +1\\n")), qPrintable(info));
        QVERIFY2(info.contains("595 x 842 pts (A4)"), qPrintable(info));
        const QStringList lines = pdfLines(defaultPdf(d));
        for (const char* expected :
             {"ＡＢＣＤさんのバイオリズム", "感情の要注意日：9，10，11，23，24，25，26日",
              "知性の要注意日：15，16，17，18日", "身体の要注意日：2，3，13，14，15，16，25，26日"})
            QVERIFY2(lines.contains(QString::fromUtf8(expected)), qPrintable(lines.join('\n')));
        QCOMPARE(device.pageLayout().pageSize().id(), QPageSize::Letter);
        QCOMPARE(device.pageLayout().orientation(), QPageLayout::Landscape);
    }

    void cancelWritesNoFile() {
        Desktop d;
        qputenv("HOME", QByteArray::fromStdString(d.dir.path().string()));
        typeWorkedExample(d);
        for (const char* command : {"messeji", "gurafu", "ryouinsatu", "repoto"}) {
            onNextModal([](QWidget* modal) {
                QVERIFY(qobject_cast<QPrintDialog*>(modal));
                static_cast<QDialog*>(modal)->reject();
            });
            d.window(ScreenId::sindan).menuCommand(command)->trigger();
        }
        const QDir home(QString::fromStdString(d.dir.path().string()));
        QCOMPARE(home.entryList({"*.pdf"}, QDir::Files), QStringList{});
    }

    void failingJobNamesItsDestination() {
        QtPrinter printer;
        printer.device().setOutputFormat(QPrinter::PdfFormat);
        printer.device().setOutputFileName("/nonexistent-folder/out.pdf");
        printer.dialogAccepted();
        printer.printLine("x");
        const auto failure = printer.endDocument();
        QVERIFY(failure);
        QVERIFY(QString::fromStdString(*failure).contains("/nonexistent-folder/out.pdf"));
        // The next document starts afresh.
        printer.device().setOutputFileName(QDir::temp().filePath("bio-print-retry.pdf"));
        printer.dialogAccepted();
        printer.printLine("x");
        QCOMPARE(printer.endDocument(), std::nullopt);
        QFile::remove(QDir::temp().filePath("bio-print-retry.pdf"));
    }

    // Through the whole program: the failure is told in a warning box and the
    // result screen stays as it was.
    void failingJobIsReportedAndChangesNothing() {
        TempDir dir;
        EventLog events;
        ScriptedDialogs dialogs(events.sink());
        QtPrinter printer;
        FixedClock clock({2026, 12, 7});
        auto program =
            makeProgram(Services{dialogs, printer, clock}, dir.path(), dir.path() / "config");
        ProgramView view(*program, placeFileIn(dir));
        program->start();
        Screen& baio = program->screen(ScreenId::baio);
        baio.setText("Text7", "ＡＢＣＤ");
        baio.select("Option3");
        baio.setText("Text1", "38");
        baio.setText("Text2", "5");
        baio.setText("Text3", "10");
        program->enter(ScreenId::baio);
        view.sync();
        const Screen& sindan = program->screen(ScreenId::sindan);
        const auto items = sindan.find("List1")->items();
        const auto ops = sindan.find("Picture1")->canvas().ops();

        printer.device().setOutputFormat(QPrinter::PdfFormat);
        printer.device().setOutputFileName("/nonexistent-folder/out.pdf");
        program->click(ScreenId::sindan, "messeji");
        view.sync();
        QCOMPARE(
            events.lines.back(),
            std::string("msgbox \"印刷できませんでした。\\n出力先「/nonexistent-folder/out.pdf」に"
                        "印刷を始められません。\" title \"誤り警告\" -> ok"));
        QCOMPARE(sindan.find("List1")->items(), items);
        QCOMPARE(sindan.find("Picture1")->canvas().ops(), ops);
        QVERIFY(view.window(ScreenId::sindan)->isVisible());
    }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
