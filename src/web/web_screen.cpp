#include "web/web_screen.h"

#include <algorithm>

#include "shell/shortcuts.h"
#include "view/canvas_replay.h"
#include "view/control_rects.h"
#include "web/page_calls.h"
#include "web/picture_lines.h"

namespace bio {

namespace {

// CSS pixels are a 96th of an inch.
constexpr double kCssDpi = 96;
// The sunken edge of a picture box, in pixels, inside its rectangle (page.css).
constexpr int kPictureEdge = 2;

const char* shortcutName(ShortcutKey key) {
    switch (key) {
        case ShortcutKey::Escape:
            return "Escape";
        case ShortcutKey::PageUp:
            return "PageUp";
        case ShortcutKey::PageDown:
            return "PageDown";
        case ShortcutKey::CtrlP:
            return "CtrlP";
    }
    return "";
}

// Strings for the page, each ended by a NUL.
std::string joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const std::string& text : texts) {
        all += text;
        all += '\0';
    }
    return all;
}

}  // namespace

WebScreen::WebScreen(ScreenId id, const ScreenDesign& design, WindowInput input)
    : id_(static_cast<int>(id)),
      input_(std::move(input)),
      names_(designNames(design)),
      shown_(design.controls.size()),
      size_{twipsToPixels(design.width, kCssDpi), twipsToPixels(design.height, kCssDpi)} {
    build(design);
    for (const Shortcut& shortcut : shortcuts(id))
        page_shortcut(id_, shortcutName(shortcut.key), shortcut.control);
    page_screen_done(id_, design.defaultButton.c_str(), design.firstFocus.c_str());
}

void WebScreen::build(const ScreenDesign& design) {
    page_screen(id_, design.name.c_str(), design.caption.c_str(), size_.width, size_.height,
                design.background ? rgbValue(*design.background) : -1, design.font.family.c_str(),
                design.font.points, design.font.bold);
    const std::vector<PixelRect> rects = controlRects(design, kCssDpi);
    // The page nests a frame's controls in it: their places are the frame's.
    auto frameCorner = [&](const std::string& frame) {
        for (std::size_t i = 0; i < design.controls.size(); ++i)
            if (controlKey(design.controls[i].name, design.controls[i].index) == frame)
                return PixelPoint{rects[i].left, rects[i].top};
        return PixelPoint{};
    };
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
        const ControlDesign& control = design.controls[i];
        const std::string key = controlKey(control.name, control.index);
        const auto inOrder = std::find(design.tabOrder.begin(), design.tabOrder.end(), key);
        const int tabPosition = inOrder == design.tabOrder.end()
                                    ? -1
                                    : static_cast<int>(inOrder - design.tabOrder.begin());
        const Font& font = control.font.value_or(design.font);
        const PixelPoint corner = frameCorner(control.container);
        const PixelRect& rect = rects[i];
        page_control(id_, key.c_str(), static_cast<int>(control.kind), control.caption.c_str(),
                     control.container.c_str(), rect.left - corner.x, rect.top - corner.y,
                     rect.width, rect.height, font.family.c_str(), font.points, font.bold,
                     control.readOnly, control.numeric, tabPosition, names_[i].name.c_str());
    }
}

void WebScreen::mirror(const Screen& screen) {
    const auto& controls = screen.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& control = *controls[i];
        Shown& shown = shown_[i];
        const char* key = control.key().c_str();
        switch (control.kind()) {
            case ControlKind::ListBox:
                if (shown.items == control.items() && shown.highlights == control.highlights())
                    break;
                shown.items = control.items();
                shown.highlights = control.highlights();
                page_items(id_, key, static_cast<int>(shown.items.size()),
                           joined(shown.items).c_str(), joined(shown.highlights).c_str());
                break;
            case ControlKind::PictureBox:
                mirrorPicture(key, control, names_[i], shown);
                break;
            case ControlKind::OptionButton:
                if (shown.selected != control.selected()) {
                    shown.selected = control.selected();
                    page_selected(id_, key, shown.selected);
                }
                break;
            case ControlKind::CheckBox:
                if (shown.checked != control.checked()) {
                    shown.checked = control.checked();
                    page_checked(id_, key, shown.checked);
                }
                break;
            default:
                break;
        }
        // Captions too: a program may change a label's or button's.
        if (control.kind() != ControlKind::PictureBox && control.kind() != ControlKind::ListBox &&
            shown.text != control.text()) {
            shown.text = control.text();
            page_text(id_, key, shown.text.c_str());
        }
    }
}

void WebScreen::mirrorPicture(const char* key, const Control& control, const DesignName& name,
                              Shown& shown) {
    const AccessibleText spoken = accessibleText(control, name);
    if (shown.drawing == control.canvas().ops() && shown.description == spoken.description) return;
    shown.drawing = control.canvas().ops();
    shown.description = spoken.description;
    page_picture(id_, key, spoken.name.c_str(), spoken.description.c_str());
    const PixelRect rect = pixelRect(control.design().rect, kCssDpi);
    const AreaF area{0, 0, double(rect.width - 2 * kPictureEdge),
                     double(rect.height - 2 * kPictureEdge)};
    PictureLines lines({page_picture_line, page_picture_text});
    replayCanvas(shown.drawing, screenCanvasTarget(area, kCssDpi), lines);
}

void WebScreen::open(const std::optional<PixelPoint>&) {
    visible_ = opened_ = true;
    page_open(id_);
}

void WebScreen::hide() {
    visible_ = false;
    page_hide(id_);
}

}  // namespace bio
