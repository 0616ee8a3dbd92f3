// The result screen sindan: the printed diagnosis and the three print commands.

#include "biorhythm/biorhythm.h"
#include "reading/verdict.h"
#include "shell/program.h"
#include "shell/sindan_controls.h"
#include "shell/warnings.h"
#include "state/numbers.h"
#include "ui/page.h"

namespace bio {

namespace {

constexpr const char* kPrinterFont = "ＭＳ 明朝";
constexpr double kPrinterFontPoints = 12;

void printGraph(Program& p) {
    // At the page's top-left corner, at the size it has on the screen.
    p.printer().printPicture(pictureOf(p, ScreenId::sindan, sindan::kPicture), 0, 0);
}

}  // namespace

PictureSource pictureOf(Program& p, ScreenId id, const std::string& control) {
    const Control& picture = p.screen(id).control(control);
    const Rect& size = picture.design().rect;
    return {std::string(screenName(id)), control, &picture.canvas(), size.width, size.height};
}

bool finishDocument(Program& p) {
    std::optional<std::string> failure = p.printer().endDocument();
    if (!failure) return true;
    warn(p, "印刷できませんでした。\n" + *failure);
    return false;
}

void printReport(Program& p, const std::function<Page(Program&)>& compose) {
    if (!p.dialogs().printerDialog()) return;
    p.printer().printPage(compose(p));
    finishDocument(p);
}

void printdiag(Program& p) {
    DiagnosisState& s = p.state();
    // The page describes the target date, whose cycle days the graph has since replaced.
    s.emoday[1] = s.saveemo;
    s.intday = s.saveint;
    s.bodyday = s.savebody;

    Printer& printer = p.printer();
    printer.setFont(kPrinterFont, kPrinterFontPoints);
    printer.printLine(s.names[s.person] + "さんのバイオリズム診断をします。");
    printer.printLine("感情：" + numberText(s.saveemo) + "知性:" + numberText(s.saveint) +
                      "身体:" + numberText(s.savebody));
    for (const std::string& line :
         verdictLines({double(s.emoday[s.person]), s.intday, s.bodyday})) {
        printer.printLine(line);
    }
}

// A cancelled printer dialog prints nothing: the user who cancels expects no paper.
void messeji(Program& p) {
    if (!p.dialogs().printerDialog()) return;
    printdiag(p);
    finishDocument(p);
}

void gurafu(Program& p) {
    if (!p.dialogs().printerDialog()) return;
    printGraph(p);
    finishDocument(p);
}

// One dialog for both documents; after a failed first one the second is not tried.
void ryouinsatu(Program& p) {
    if (!p.dialogs().printerDialog()) return;
    printdiag(p);
    if (!finishDocument(p)) return;
    printGraph(p);
    finishDocument(p);
}

}  // namespace bio
