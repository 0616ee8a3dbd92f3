#include "win32/gdi_canvas.h"

#include "platform/utf16.h"
#include "win32/gdi_values.h"

namespace bio {

namespace {

class GdiSink : public CanvasSink {
  public:
    explicit GdiSink(HDC dc) : dc_(dc) {}

    void line(PointF from, PointF to, Rgb color, double width) override {
        const LOGBRUSH brush{BS_SOLID, colorRef(color), 0};
        HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                                std::max(1, rounded(width)), &brush, 0, nullptr);
        HGDIOBJ old = SelectObject(dc_, pen);
        MoveToEx(dc_, rounded(from.x), rounded(from.y), nullptr);
        LineTo(dc_, rounded(to.x), rounded(to.y));
        SelectObject(dc_, old);
        DeleteObject(pen);
    }

    void text(PointF topLeft, Rgb color, const std::string& text) override {
        const std::wstring shown = wide(text);
        SetTextColor(dc_, colorRef(color));
        TextOutW(dc_, rounded(topLeft.x), rounded(topLeft.y), shown.c_str(),
                 static_cast<int>(shown.size()));
    }

  private:
    HDC dc_;
};

}  // namespace

void paintCanvas(HDC dc, const std::vector<CanvasOp>& ops, const CanvasTarget& target, HFONT font) {
    const int saved = SaveDC(dc);
    const AreaF& area = target.area;
    IntersectClipRect(dc, rounded(area.left), rounded(area.top), rounded(area.left + area.width),
                      rounded(area.top + area.height));
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    GdiSink sink(dc);
    replayCanvas(ops, target, sink);
    RestoreDC(dc, saved);
}

}  // namespace bio
