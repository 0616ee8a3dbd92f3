#include "web/web_printer.h"

#include <variant>

#include "ui/page.h"
#include "view/print_layout.h"
#include "web/page_calls.h"
#include "web/picture_lines.h"

namespace bio {

namespace {

// Device units of a millimetre: every length reaches the page in mm.
constexpr Resolution kMillimetres{kMmPerInch, kMmPerInch};

void printDrawing(const PictureSource& source, const CanvasTarget& target, double fontScale) {
    const Font font = pictureFont(source);
    page_print_picture(target.area.left, target.area.top, target.area.width, target.area.height,
                       font.family.c_str(), font.points * fontScale);
    PictureLines lines({page_print_picture_line, page_print_picture_text});
    replayCanvas(pictureOps(source), target, lines);
}

class SheetOps {
  public:
    void operator()(const PageText& text) const {
        page_print_text(text.x, text.y, text.font.family.c_str(), text.font.points, text.font.bold,
                        rgbValue(text.color), text.text.c_str());
    }
    void operator()(const PageLine& line) const {
        page_print_line(line.x1, line.y1, line.x2, line.y2, rgbValue(line.color), line.width);
    }
    void operator()(const PageRect& rect) const {
        page_print_rect(rect.x, rect.y, rect.width, rect.height, rgbValue(rect.color), rect.filled,
                        rect.lineWidth);
    }
    void operator()(const PagePicture& picture) const {
        const ScaledPicture scaled = pagePictureTarget(picture, {kMillimetres, {}});
        printDrawing(picture.source, scaled.target, scaled.fontScale);
    }
};

}  // namespace

void WebPrinter::setFont(const std::string& family, double points) {
    page_print_font(family.c_str(), points);
}

void WebPrinter::printLine(const std::string& text) { page_print_lines_line(text.c_str()); }

void WebPrinter::printPicture(const PictureSource& picture, double x, double y) {
    printDrawing(picture, naturalSizeTarget(picture, x, y, kMillimetres), 1);
}

void WebPrinter::printPage(const Page& page) {
    page_print_sheet();
    const SheetOps ops;
    for (const PageOp& op : page.ops) std::visit(ops, op);
}

// Nothing can fail before the browser's own print dialog.
std::optional<std::string> WebPrinter::endDocument() {
    page_print_end();
    return std::nullopt;
}

}  // namespace bio
