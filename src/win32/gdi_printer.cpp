#include "win32/gdi_printer.h"

#include <commdlg.h>

#include "platform/utf16.h"
#include "win32/gdi_canvas.h"
#include "win32/gdi_values.h"
#include "win32/printer_settings.h"

namespace bio {

GdiPrinter::~GdiPrinter() {
    if (inJob_) AbortDoc(dc_);
    closeDc();
    if (devMode_) GlobalFree(devMode_);
    if (devNames_) GlobalFree(devNames_);
}

bool GdiPrinter::choose(HWND owner) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hDevMode = devMode_;
    dialog.hDevNames = devNames_;
    dialog.Flags = PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE |
                   (owner ? 0 : PD_RETURNDEFAULT);
    if (!PrintDlgW(&dialog)) return false;
    devMode_ = dialog.hDevMode;
    devNames_ = dialog.hDevNames;
    return true;
}

void GdiPrinter::closeDc() {
    if (dc_) DeleteDC(dc_);
    dc_ = nullptr;
}

void GdiPrinter::setFont(const std::string& family, double points) {
    font_ = Font{family, points, false};
}

double GdiPrinter::dotsPerInch() const { return GetDeviceCaps(dc_, LOGPIXELSY); }

Resolution GdiPrinter::resolution() const {
    return {static_cast<double>(GetDeviceCaps(dc_, LOGPIXELSX)), dotsPerInch()};
}

bool GdiPrinter::ensureJob(bool a4Portrait) {
    if (inJob_) return true;
    if (failure_) return false;
    // Printing with no dialog before it goes to the default printer.
    if (!devNames_ && !choose(nullptr)) {
        failure_ = "プリンターがありません。";
        return false;
    }
    dc_ = jobDc(devNames_, devMode_, a4Portrait);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = L"バイオリズム診断";
    if (!dc_ || StartDocW(dc_, &document) <= 0 || StartPage(dc_) <= 0) {
        // Nothing half-begun stays in the printer's queue.
        if (dc_) AbortDoc(dc_);
        closeDc();
        failure_ = "プリンターに印刷を始められません。";
        return false;
    }
    inJob_ = true;
    lines_.emplace(GetDeviceCaps(dc_, VERTRES));
    return true;
}

void GdiPrinter::printLine(const std::string& text) {
    if (!ensureJob()) return;
    HFONT font = fonts_.get(font_, static_cast<UINT>(dotsPerInch()));
    SelectObject(dc_, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    if (lines_->needsNewPage(metrics.tmHeight)) {
        EndPage(dc_);
        StartPage(dc_);
        SelectObject(dc_, font);
        lines_->newPage();
    }
    const std::wstring line = wide(text);
    SetTextColor(dc_, RGB(0, 0, 0));
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    TextOutW(dc_, 0, rounded(lines_->top()), line.c_str(), static_cast<int>(line.size()));
    lines_->advance(metrics.tmHeight + metrics.tmExternalLeading);
}

void GdiPrinter::printPicture(const PictureSource& picture, double x, double y) {
    if (!ensureJob()) return;
    const CanvasTarget target = naturalSizeTarget(picture, x, y, resolution());
    paintCanvas(dc_, pictureOps(picture), target,
                fonts_.get(pictureFont(picture), static_cast<UINT>(dotsPerInch())));
}

void GdiPrinter::printPage(const Page& page) {
    if (!ensureJob(true)) return;
    // The printable area starts inside the printer's own margins.
    const Resolution dots = resolution();
    const PageMapping mapping{dots,
                              {GetDeviceCaps(dc_, PHYSICALOFFSETX) * kMmPerInch / dots.across,
                               GetDeviceCaps(dc_, PHYSICALOFFSETY) * kMmPerInch / dots.down}};
    const UINT dpi = static_cast<UINT>(dotsPerInch());
    for (const PageOp& op : page.ops) {
        if (const auto* text = std::get_if<PageText>(&op)) {
            const PointF at = toDevice(mapping, text->x, text->y);
            const std::wstring shown = wide(text->text);
            SelectObject(dc_, fonts_.get(text->font, dpi));
            SetTextColor(dc_, colorRef(text->color));
            SetBkMode(dc_, TRANSPARENT);
            SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
            TextOutW(dc_, rounded(at.x), rounded(at.y), shown.c_str(),
                     static_cast<int>(shown.size()));
        } else if (const auto* line = std::get_if<PageLine>(&op)) {
            const LOGBRUSH brush{BS_SOLID, colorRef(line->color), 0};
            HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT,
                                    std::max(1, rounded(toDevice(mapping, line->width))), &brush, 0,
                                    nullptr);
            HGDIOBJ old = SelectObject(dc_, pen);
            const PointF from = toDevice(mapping, line->x1, line->y1);
            const PointF to = toDevice(mapping, line->x2, line->y2);
            MoveToEx(dc_, rounded(from.x), rounded(from.y), nullptr);
            LineTo(dc_, rounded(to.x), rounded(to.y));
            SelectObject(dc_, old);
            DeleteObject(pen);
        } else if (const auto* rect = std::get_if<PageRect>(&op)) {
            const PointF corner = toDevice(mapping, rect->x, rect->y);
            const PointF opposite =
                toDevice(mapping, rect->x + rect->width, rect->y + rect->height);
            const RECT area{rounded(corner.x), rounded(corner.y), rounded(opposite.x),
                            rounded(opposite.y)};
            HBRUSH brush = CreateSolidBrush(colorRef(rect->color));
            if (rect->filled) {
                FillRect(dc_, &area, brush);
            } else {
                const int width = std::max(1, rounded(toDevice(mapping, rect->lineWidth)));
                for (int i = 0; i < width; ++i) {
                    const RECT ring{area.left + i, area.top + i, area.right - i, area.bottom - i};
                    FrameRect(dc_, &ring, brush);
                }
            }
            DeleteObject(brush);
        } else if (const auto* picture = std::get_if<PagePicture>(&op)) {
            const ScaledPicture scaled = pagePictureTarget(*picture, mapping);
            Font font = pictureFont(picture->source);
            font.points *= scaled.fontScale;
            paintCanvas(dc_, pictureOps(picture->source), scaled.target, fonts_.get(font, dpi));
        }
    }
}

std::optional<std::string> GdiPrinter::endDocument() {
    std::optional<std::string> result = failure_;
    if (inJob_) {
        if (EndPage(dc_) <= 0) {
            AbortDoc(dc_);
            result = "プリンターへの印刷が完了しませんでした。";
        } else if (EndDoc(dc_) <= 0) {
            result = "プリンターへの印刷が完了しませんでした。";
        }
        inJob_ = false;
        closeDc();
    }
    failure_.reset();
    return result;
}

}  // namespace bio
