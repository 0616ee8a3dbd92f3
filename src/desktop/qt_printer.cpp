#include "desktop/qt_printer.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinterInfo>

#include "desktop/canvas_painter.h"
#include "desktop/japanese_fonts.h"
#include "desktop/page_painter.h"
#include "platform/path.h"

namespace bio {

QtPrinter::QtPrinter() : font_(qtFont(Font{"ＭＳ 明朝", 12, false})) {}

QPrinter& QtPrinter::device() {
    // Made on first use: setting up the print system costs start-up time that
    // a user who never prints should not pay.
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

QtPrinter::~QtPrinter() {
    if (painter_) painter_->end();
}

void QtPrinter::prepareDialog() {
    if (!QPrinterInfo::availablePrinters().isEmpty() || !device().outputFileName().isEmpty())
        return;
    device().setOutputFormat(QPrinter::PdfFormat);
    device().setOutputFileName(QDir::home().filePath(QStringLiteral("バイオリズム診断.pdf")));
}

void QtPrinter::dialogAccepted() {
    chosenFile_ = device().outputFileName();
    documentsSinceDialog_ = 0;
}

void QtPrinter::setFont(const std::string& family, double points) {
    font_ = qtFont(Font{family, points, false});
}

QString QtPrinter::outputNameForNextJob() const {
    const std::filesystem::path file =
        outputForDocument(pathFromUtf8(chosenFile_.toStdString()), documentsSinceDialog_);
    return QString::fromStdString(utf8Text(file));
}

std::string QtPrinter::destination() {
    if (!device().outputFileName().isEmpty())
        return "出力先「" + device().outputFileName().toStdString() + "」";
    if (device().printerName().isEmpty()) return "プリンター";
    return "プリンター「" + device().printerName().toStdString() + "」";
}

bool QtPrinter::ensureJob() {
    if (painter_) return true;
    if (failure_) return false;
    if (!chosenFile_.isEmpty()) device().setOutputFileName(outputNameForNextJob());
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&device())) {
        painter_.reset();
        failure_ = destination() + "に印刷を始められません。";
        return false;
    }
    lines_.emplace(device().pageLayout().paintRectPixels(device().resolution()).height());
    return true;
}

void QtPrinter::printLine(const std::string& text) {
    if (!ensureJob()) return;
    const QFontMetricsF metrics(font_, &device());
    if (lines_->needsNewPage(metrics.height())) {
        device().newPage();
        lines_->newPage();
    }
    painter_->setFont(font_);
    painter_->setPen(Qt::black);
    painter_->drawText(QPointF(0, lines_->top() + metrics.ascent()), QString::fromStdString(text));
    lines_->advance(metrics.lineSpacing());
}

void QtPrinter::printPicture(const PictureSource& picture, double x, double y) {
    if (!ensureJob()) return;
    const double dpi = device().resolution();
    paintCanvas(*painter_, pictureOps(picture), naturalSizeTarget(picture, x, y, {dpi, dpi}),
                qtFont(pictureFont(picture)));
}

void QtPrinter::printPage(const Page& page) {
    // A composed page is A4 portrait whatever the dialog chose; the choice
    // comes back when the document ends.
    if (!layoutToRestore_) layoutToRestore_ = device().pageLayout();
    device().setPageSize(QPageSize(QPageSize::A4));
    device().setPageOrientation(QPageLayout::Portrait);
    if (!ensureJob()) return;
    // The painter starts at the printable area, inside the printer's own margins.
    const QRectF printable = device().pageLayout().paintRect(QPageLayout::Millimeter);
    const double dpi = device().resolution();
    paintPage(*painter_, page, {{dpi, dpi}, {printable.left(), printable.top()}});
}

std::optional<std::string> QtPrinter::endDocument() {
    std::optional<std::string> result = failure_;
    if (painter_) {
        if (!painter_->end() || device().printerState() == QPrinter::Error)
            result = destination() + "への印刷が完了しませんでした。";
        painter_.reset();
        ++documentsSinceDialog_;
    }
    if (layoutToRestore_) {
        device().setPageLayout(*layoutToRestore_);
        layoutToRestore_.reset();
    }
    if (!chosenFile_.isEmpty()) device().setOutputFileName(chosenFile_);
    failure_.reset();
    return result;
}

}  // namespace bio
