#include "win32/text_fit.h"

#include <algorithm>
#include <cmath>

namespace bio {

namespace {

// Line height per em of Windows 10's Japanese UI fonts, (usWinAscent +
// usWinDescent) / unitsPerEm: MS UI Gothic 1.00, Meiryo UI 1.27, and Yu
// Gothic UI (a Japanese Windows 10's message font) at most that of Segoe UI,
// whose Latin it carries, (2210 + 514) / 2048 = 1.33. The largest; the IPA
// fonts that stand in for them under Wine need less.
constexpr double kLineHeightPerEm = 2724.0 / 2048.0;

constexpr int kStepTenths = 5;  // half a point at a time

int emPixels(double points, UINT dpi) {
    return MulDiv(static_cast<int>(std::lround(points * 10)), static_cast<int>(dpi), 720);
}

}  // namespace

TextFit::TextFit(HWND window, FontCache& fonts, UINT dpi, std::wstring face)
    : window_(window),
      dc_(GetDC(window)),
      original_(GetCurrentObject(dc_, OBJ_FONT)),
      fonts_(fonts),
      dpi_(dpi),
      face_(std::move(face)) {}

TextFit::~TextFit() {
    SelectObject(dc_, original_);
    ReleaseDC(window_, dc_);
}

int TextFit::lineHeight(double points) const {
    return static_cast<int>(std::ceil(kLineHeightPerEm * emPixels(points, dpi_)));
}

// No character of a UI font is wider than an em: a text that fits by that
// count fits without being measured.
bool TextFit::within(const std::wstring& text, int room) {
    if (static_cast<int>(text.size()) * em_ <= room) return true;
    if (!selected_) {
        SelectObject(dc_, font_);
        selected_ = true;
    }
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx <= room;
}

// Room as Windows draws each kind: a button's edges, an option's check box,
// a frame's caption inset from its corner; a label wraps.
bool TextFit::fits(HWND control, ControlKind kind, const std::wstring& text, int roomAbove) {
    RECT client{};
    GetClientRect(control, &client);
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, dpi_);
    switch (kind) {
        case ControlKind::Label: {
            if (text.empty() || (line_ <= client.bottom && within(text, client.right))) return true;
            if (!selected_) {
                SelectObject(dc_, font_);
                selected_ = true;
            }
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc_, &metrics);
            RECT wrapped{0, 0, client.right, 0};
            DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &wrapped,
                      DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            const long lines =
                std::max(1L, std::lround(static_cast<double>(wrapped.bottom) / metrics.tmHeight));
            return wrapped.right <= client.right && lines * line_ <= client.bottom;
        }
        case ControlKind::TextBox:
            return line_ <= client.bottom;
        case ControlKind::CommandButton:
            return line_ + 2 * edge <= client.bottom && within(text, client.right - 4 * edge);
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
            return line_ <= client.bottom &&
                   within(text,
                          client.right - GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_) - 2 * edge);
        case ControlKind::Frame:
            return line_ <= roomAbove && within(text, client.right - 4 * edge);
        default:
            return true;
    }
}

HFONT TextFit::font(HWND control, ControlKind kind, const Font& design, const std::wstring& text,
                    int roomAbove) {
    const int designTenths = static_cast<int>(std::lround(design.points * 10));
    for (int tenths = designTenths; tenths * 4 >= designTenths * 3; tenths -= kStepTenths) {
        const double points = tenths / 10.0;
        font_ = fonts_.get({design.family, points, design.bold}, dpi_, face_);
        em_ = emPixels(points, dpi_);
        line_ = lineHeight(points);
        selected_ = false;
        if (fits(control, kind, text, roomAbove)) break;
    }
    return font_;
}

}  // namespace bio
