#include "view/control_rects.h"

#include <algorithm>
#include <map>
#include <string>

namespace bio {

namespace {

bool hasWindow(ControlKind kind) {
    return kind != ControlKind::MenuCommand && kind != ControlKind::PrinterDialog;
}

// Who gives way where two controls meet: a label first, then a frame.
int firmness(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return 0;
        case ControlKind::Frame:
            return 1;
        default:
            return 2;
    }
}

int right(const PixelRect& r) { return r.left + r.width; }
int bottom(const PixelRect& r) { return r.top + r.height; }

// Trims `yielding` off `firm` along the axis where they overlap least.
void giveWay(PixelRect& yielding, const PixelRect& firm) {
    const int across = std::min(right(yielding), right(firm)) - std::max(yielding.left, firm.left);
    const int down = std::min(bottom(yielding), bottom(firm)) - std::max(yielding.top, firm.top);
    if (across <= 0 || down <= 0) return;
    if (across < down) {
        if (yielding.left < firm.left) {
            yielding.width = firm.left - yielding.left;
        } else {
            yielding.width = right(yielding) - right(firm);
            yielding.left = right(firm);
        }
    } else if (yielding.top < firm.top) {
        yielding.height = firm.top - yielding.top;
    } else {
        yielding.height = bottom(yielding) - bottom(firm);
        yielding.top = bottom(firm);
    }
}

}  // namespace

std::vector<PixelRect> controlRects(const ScreenDesign& design, double dpi) {
    const std::vector<ControlDesign>& controls = design.controls;
    std::map<std::string, Rect> frames;
    for (const ControlDesign& control : controls)
        if (control.kind == ControlKind::Frame)
            frames[controlKey(control.name, control.index)] = control.rect;
    std::vector<PixelRect> rects(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!hasWindow(controls[i].kind)) continue;
        Rect twips = controls[i].rect;
        if (auto frame = frames.find(controls[i].container); frame != frames.end()) {
            twips.left += frame->second.left;
            twips.top += frame->second.top;
        }
        rects[i] = pixelRect(twips, dpi);
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (!hasWindow(controls[i].kind) || !hasWindow(controls[j].kind)) continue;
            const bool iHoldsJ =
                controls[i].kind == ControlKind::Frame && contains(rects[i], rects[j]);
            const bool jHoldsI =
                controls[j].kind == ControlKind::Frame && contains(rects[j], rects[i]);
            if (iHoldsJ || jHoldsI) continue;
            // Of two alike, the one above (or to the left) gives way.
            const int a = firmness(controls[i].kind), b = firmness(controls[j].kind);
            const bool iYields = a != b ? a < b
                                        : std::pair(rects[i].top, rects[i].left) <=
                                              std::pair(rects[j].top, rects[j].left);
            if (iYields) {
                giveWay(rects[i], rects[j]);
            } else {
                giveWay(rects[j], rects[i]);
            }
        }
    }
    return rects;
}

}  // namespace bio
