#include "win32/screen_window.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/utf16.h"
#include "view/contrast.h"
#include "view/control_rects.h"
#include "win32/gdi_canvas.h"
#include "win32/gdi_values.h"
#include "win32/picture_window.h"
#include "win32/program_icon.h"
#include "win32/restored_frame.h"
#include "win32/screen_reader_names.h"
#include "win32/text_fit.h"

namespace bio {

struct ScreenWindow::Bound {
    std::string key;
    ControlKind kind = ControlKind::Label;
    HWND control = nullptr;
    int id = 0;
    std::string text;  // what the control shows
    std::vector<std::string> items, highlights;
    bool selected = false, checked = false;
};

namespace {

constexpr wchar_t kScreenClass[] = L"BiorhythmScreen";
constexpr int kFirstControlId = 100;
constexpr int kFirstShortcutId = 1000;
constexpr int kItemInset = 2;  // pixels between a list's edge and its lines
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;

HINSTANCE instance() { return GetModuleHandleW(nullptr); }

void registerClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = ScreenWindow::procedure;
        windowClass.hInstance = instance();
        windowClass.hIcon = programIcon(IconSize::Large);
        windowClass.hIconSm = programIcon(IconSize::Small);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kScreenClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    static_cast<void>(registered);
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

WORD virtualKey(ShortcutKey key) {
    switch (key) {
        case ShortcutKey::Escape:
            return VK_ESCAPE;
        case ShortcutKey::PageUp:
            return VK_PRIOR;
        case ShortcutKey::PageDown:
            return VK_NEXT;
        case ShortcutKey::CtrlP:
            return 'P';
    }
    return 0;
}

// The window class and styles of each kind of control.
struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle = 0;
};

ControlClass controlClass(const ControlDesign& control) {
    switch (control.kind) {
        case ControlKind::Label:
            return {WC_STATICW, SS_LEFT | SS_NOPREFIX};
        case ControlKind::TextBox:
            return {WC_EDITW, ES_AUTOHSCROLL | (control.readOnly ? ES_READONLY : 0u),
                    WS_EX_CLIENTEDGE};
        case ControlKind::CommandButton:
            return {WC_BUTTONW, BS_PUSHBUTTON};
        case ControlKind::OptionButton:
            return {WC_BUTTONW, BS_AUTORADIOBUTTON};
        case ControlKind::CheckBox:
            return {WC_BUTTONW, BS_AUTOCHECKBOX};
        case ControlKind::Frame:
            return {WC_BUTTONW, BS_GROUPBOX};
        case ControlKind::ListBox:
            return {WC_LISTBOXW,
                    LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                        WS_VSCROLL | WS_HSCROLL,
                    WS_EX_CLIENTEDGE};
        case ControlKind::PictureBox:
            return {kPictureClass, 0, WS_EX_CLIENTEDGE};
        case ControlKind::MenuCommand:
        case ControlKind::PrinterDialog:
            break;
    }
    return {nullptr, 0};
}

// The width a list's lines take as drawListItem draws them, kItemInset in,
// with an edge's room on either side.
int widestItem(HWND list, const std::vector<std::string>& items) {
    const int margins = 2 * GetSystemMetricsForDpi(SM_CXEDGE, GetDpiForWindow(list));
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::string& item : items) {
        const std::wstring line = wide(item);
        SIZE size{};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx) + margins);
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    return widest;
}

// For a frame, the height its caption has above the controls it holds.
int roomAboveHeld(const std::vector<PixelRect>& rects, std::size_t frame) {
    const PixelRect& outer = rects[frame];
    int room = outer.height;
    for (const PixelRect& inner : rects)
        if (&inner != &outer && inner.width > 0 && contains(outer, inner))
            room = std::min(room, inner.top - outer.top);
    return room;
}

}  // namespace

ScreenWindow::ScreenWindow(const ScreenDesign& design, const std::vector<Shortcut>& shortcuts,
                           WindowInput input, ScreenReaderNames& readerNames)
    : design_(design), input_(std::move(input)), readerNames_(readerNames) {
    registerClass();
    registerPictureClass();
    if (design.background) background_ = CreateSolidBrush(colorRef(*design.background));
    window_ =
        CreateWindowExW(kWindowExStyle, kScreenClass, wide(design.caption).c_str(), kWindowStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance(), this);
    dpi_ = GetDpiForWindow(window_);
    face_ = messageFontFace();
    create(design);
    bindKeys(shortcuts);
    nameForScreenReaders();
    fitFrame();
}

ScreenWindow::~ScreenWindow() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    if (background_) DeleteObject(background_);
}

void ScreenWindow::create(const ScreenDesign& design) {
    bound_.resize(design.controls.size());
    names_ = designNames(design);
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
        const ControlDesign& control = design.controls[i];
        Bound& bound = bound_[i];
        bound.key = controlKey(control.name, control.index);
        bound.kind = control.kind;
        bound.id = kFirstControlId + static_cast<int>(i);
    }

    // Creation order is z-order, which the dialog manager's Tab follows and
    // by which a screen reader finds a box's label: frames (which let clicks
    // through), then the tab order, each box after the labels that name it,
    // then the rest.
    rects_ = controlRects(design, dpi_);
    TextFit fit(window_, fonts_, dpi_, face_);
    std::vector<bool> made(bound_.size(), false);
    const auto make = [&](std::size_t i, bool inTabOrder) {
        if (made[i]) return;
        made[i] = true;
        const bool continuesGroup =
            i > 0 && bound_[i].kind == ControlKind::OptionButton &&
            bound_[i - 1].kind == ControlKind::OptionButton &&
            design.controls[i].container == design.controls[i - 1].container;
        createControl(i, inTabOrder, !continuesGroup, fit);
    };
    for (std::size_t i = 0; i < bound_.size(); ++i)
        if (bound_[i].kind == ControlKind::Frame) make(i, false);
    for (const std::string& key : design.tabOrder) {
        const auto at = std::find_if(bound_.begin(), bound_.end(),
                                     [&](const Bound& b) { return b.key == key; });
        if (at == bound_.end()) continue;
        for (std::size_t i = 0; i < names_.size(); ++i)
            if (names_[i].labelFor == key) make(i, false);
        make(static_cast<std::size_t>(at - bound_.begin()), true);
    }
    for (std::size_t i = 0; i < bound_.size(); ++i) make(i, false);

    for (std::size_t i = 0; i < bound_.size(); ++i) {
        if (bound_[i].kind != ControlKind::MenuCommand) continue;
        if (!menu_) menu_ = CreateMenu();
        AppendMenuW(menu_, MF_STRING, static_cast<UINT_PTR>(bound_[i].id),
                    wide(design.controls[i].caption).c_str());
        bound_[i].text = design.controls[i].caption;
    }
    if (menu_) SetMenu(window_, menu_);
}

void ScreenWindow::createControl(std::size_t index, bool inTabOrder, bool startsGroup,
                                 TextFit& fit) {
    const ControlDesign& control = design_.controls[index];
    Bound& bound = bound_[index];
    const ControlClass kind = controlClass(control);
    if (!kind.name) return;
    DWORD style = WS_CHILD | WS_VISIBLE | kind.style;
    if (startsGroup) style |= WS_GROUP;
    if (inTabOrder) style |= WS_TABSTOP;
    if (control.kind == ControlKind::CommandButton && bound.key == design_.defaultButton)
        style = (style & ~static_cast<DWORD>(BS_PUSHBUTTON)) | BS_DEFPUSHBUTTON;
    const std::wstring caption = control.kind == ControlKind::TextBox ? L"" : wide(control.caption);
    bound.text = control.kind == ControlKind::TextBox ? "" : control.caption;
    const PixelRect& at = rects_[index];
    bound.control = CreateWindowExW(
        kind.exStyle, kind.name, caption.c_str(), style, at.left, at.top, at.width, at.height,
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(bound.id)), instance(), nullptr);
    applyFont(index, fit);
}

void ScreenWindow::applyFont(std::size_t index, TextFit& fit) {
    const Bound& bound = bound_[index];
    const Font& font = design_.controls[index].font.value_or(design_.font);
    // Pictures draw their texts in the design's own face, as on paper.
    HFONT shown =
        bound.kind == ControlKind::PictureBox
            ? fonts_.get(font, dpi_)
            : fit.font(bound.control, bound.kind, font, wide(bound.text),
                       bound.kind == ControlKind::Frame ? roomAboveHeld(rects_, index) : 0);
    SendMessageW(bound.control, WM_SETFONT, reinterpret_cast<WPARAM>(shown), FALSE);
    if (bound.kind == ControlKind::ListBox)
        SendMessageW(bound.control, LB_SETITEMHEIGHT, 0, fit.lineHeight(font.points));
}

// Controls inside a frame are children of the window too (a group box passes
// on no notifications).
void ScreenWindow::layout() {
    rects_ = controlRects(design_, dpi_);
    for (std::size_t i = 0; i < bound_.size(); ++i) {
        const PixelRect& at = rects_[i];
        if (bound_[i].control)
            MoveWindow(bound_[i].control, at.left, at.top, at.width, at.height, FALSE);
    }
    TextFit fit(window_, fonts_, dpi_, face_);
    for (std::size_t i = 0; i < bound_.size(); ++i)
        if (bound_[i].control) applyFont(i, fit);
    fitFrame();
}

void ScreenWindow::fitFrame() {
    const double dpi = dpi_;
    RECT frame{0, 0, twipsToPixels(design_.width, dpi), twipsToPixels(design_.height, dpi)};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, menu_ != nullptr, kWindowExStyle, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar too long for the width wraps onto a second line, which the
    // frame's arithmetic does not know of: grow by what the client area lacks.
    RECT client{};
    GetClientRect(window_, &client);
    const int missing = twipsToPixels(design_.height, dpi) - client.bottom;
    if (missing > 0)
        SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top + missing,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
}

void ScreenWindow::bindKeys(const std::vector<Shortcut>& shortcuts) {
    std::vector<ACCEL> table;
    for (std::size_t i = 0; i < shortcuts.size(); ++i) {
        BYTE flags = FVIRTKEY;
        if (shortcuts[i].key == ShortcutKey::CtrlP) flags |= FCONTROL;
        if (shortcuts[i].key == ShortcutKey::Escape) escapeCommand_ = shortcuts[i].control;
        table.push_back({flags, virtualKey(shortcuts[i].key),
                         static_cast<WORD>(kFirstShortcutId + static_cast<int>(i))});
    }
    shortcutControls_.clear();
    for (const Shortcut& shortcut : shortcuts) shortcutControls_.push_back(shortcut.control);
    if (!table.empty())
        accelerators_ = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

void ScreenWindow::nameForScreenReaders() {
    for (std::size_t i = 0; i < bound_.size(); ++i)
        if (bound_[i].control)
            readerNames_.name(bound_[i].control, bound_[i].kind, {names_[i].name, {}});
}

void ScreenWindow::mirror(const Screen& screen) {
    const bool wasMirroring = mirroring_;
    mirroring_ = true;
    const auto& controls = screen.controls();
    for (std::size_t i = 0; i < bound_.size() && i < controls.size(); ++i) {
        Bound& bound = bound_[i];
        const Control& control = *controls[i];
        switch (bound.kind) {
            case ControlKind::TextBox:
                // The box, not our memory of it: the user may have typed since.
                if (utf8(windowText(bound.control)) != control.text())
                    SetWindowTextW(bound.control, wide(control.text()).c_str());
                break;
            case ControlKind::Label:
            case ControlKind::CommandButton:
            case ControlKind::Frame:
                if (bound.text != control.text()) {
                    SetWindowTextW(bound.control, wide(control.text()).c_str());
                    bound.text = control.text();
                }
                break;
            case ControlKind::OptionButton:
            case ControlKind::CheckBox: {
                const bool on = bound.kind == ControlKind::OptionButton ? control.selected()
                                                                        : control.checked();
                if (bound.text != control.text()) {
                    SetWindowTextW(bound.control, wide(control.text()).c_str());
                    bound.text = control.text();
                }
                if ((SendMessageW(bound.control, BM_GETCHECK, 0, 0) == BST_CHECKED) != on)
                    SendMessageW(bound.control, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
                break;
            }
            case ControlKind::ListBox:
                if (bound.items == control.items() && bound.highlights == control.highlights())
                    break;
                SendMessageW(bound.control, LB_RESETCONTENT, 0, 0);
                for (const std::string& item : control.items())
                    SendMessageW(bound.control, LB_ADDSTRING, 0,
                                 reinterpret_cast<LPARAM>(wide(item).c_str()));
                // A line longer than the list is as wide seen as scrolled to.
                SendMessageW(bound.control, LB_SETHORIZONTALEXTENT,
                             widestItem(bound.control, control.items()), 0);
                bound.items = control.items();
                bound.highlights = control.highlights();
                break;
            case ControlKind::PictureBox: {
                showDrawing(bound.control, control.canvas().ops());
                readerNames_.name(bound.control, bound.kind, accessibleText(control, names_[i]));
                break;
            }
            case ControlKind::MenuCommand:
                if (bound.text != control.text()) {
                    ModifyMenuW(menu_, static_cast<UINT>(bound.id), MF_BYCOMMAND | MF_STRING,
                                static_cast<UINT_PTR>(bound.id), wide(control.text()).c_str());
                    DrawMenuBar(window_);
                    bound.text = control.text();
                }
                break;
            case ControlKind::PrinterDialog:
                break;
        }
    }
    keepTabStopOnSelectedOption();
    mirroring_ = wasMirroring;
}

// Tab reaches an era group at its selected option (the first when none is),
// and the arrows move within it, as in any dialog.
void ScreenWindow::keepTabStopOnSelectedOption() {
    for (std::size_t first = 0; first < bound_.size(); ++first) {
        if (bound_[first].kind != ControlKind::OptionButton) continue;
        const LONG_PTR firstStyle = GetWindowLongPtrW(bound_[first].control, GWL_STYLE);
        if (!(firstStyle & WS_GROUP)) continue;
        std::size_t last = first;
        while (last + 1 < bound_.size() && bound_[last + 1].kind == ControlKind::OptionButton &&
               !(GetWindowLongPtrW(bound_[last + 1].control, GWL_STYLE) & WS_GROUP))
            ++last;
        const bool inTabOrder = std::find(design_.tabOrder.begin(), design_.tabOrder.end(),
                                          bound_[first].key) != design_.tabOrder.end();
        std::size_t stop = first;
        for (std::size_t i = first; i <= last; ++i)
            if (SendMessageW(bound_[i].control, BM_GETCHECK, 0, 0) == BST_CHECKED) stop = i;
        for (std::size_t i = first; i <= last; ++i) {
            const LONG_PTR style = GetWindowLongPtrW(bound_[i].control, GWL_STYLE);
            const LONG_PTR wanted =
                (i == stop && inTabOrder) ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
            // Every write is a round of style messages, after every action.
            if (wanted != style) SetWindowLongPtrW(bound_[i].control, GWL_STYLE, wanted);
        }
        first = last;
    }
}

void ScreenWindow::open(const std::optional<PixelPoint>& place) {
    const bool first = !opened_;
    opened_ = true;
    if (place)
        SetWindowPos(window_, nullptr, place->x, place->y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    if (first) {
        std::string focus = design_.firstFocus;
        if (focus.empty())
            for (const std::string& key : design_.tabOrder)
                if (const Bound* b = byKey(key); b && b->control) {
                    focus = key;
                    break;
                }
        if (const Bound* b = byKey(focus); b && b->control) {
            lastFocus_ = b->control;
            SetFocus(b->control);
        }
    } else if (lastFocus_) {
        SetFocus(lastFocus_);
    }
}

void ScreenWindow::hide() { ShowWindow(window_, SW_HIDE); }

bool ScreenWindow::isVisible() const { return IsWindowVisible(window_) != FALSE; }

PixelPoint ScreenWindow::position() const {
    const RECT frame = restoredFrame(window_);
    return {frame.left, frame.top};
}

PixelSize ScreenWindow::frameSize() const {
    const RECT frame = restoredFrame(window_);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

bool ScreenWindow::translate(MSG& message) {
    if (accelerators_ && TranslateAcceleratorW(window_, accelerators_, &message)) return true;
    return IsDialogMessageW(window_, &message) != FALSE;
}

ScreenWindow::Bound* ScreenWindow::byId(int id) {
    const std::size_t index = static_cast<std::size_t>(id - kFirstControlId);
    return id >= kFirstControlId && index < bound_.size() ? &bound_[index] : nullptr;
}

ScreenWindow::Bound* ScreenWindow::byKey(const std::string& key) {
    for (Bound& bound : bound_)
        if (bound.key == key) return &bound;
    return nullptr;
}

void ScreenWindow::command(int id, int notification, HWND control) {
    if (id == IDOK) return input_.enter();
    if (id == IDCANCEL) {
        if (!escapeCommand_.empty()) input_.clicked(escapeCommand_);
        return;
    }
    const std::size_t shortcut = static_cast<std::size_t>(id - kFirstShortcutId);
    if (id >= kFirstShortcutId && shortcut < shortcutControls_.size())
        return input_.clicked(shortcutControls_[shortcut]);
    Bound* bound = byId(id);
    if (!bound) return;
    switch (bound->kind) {
        case ControlKind::MenuCommand:
            if (!control) input_.clicked(bound->key);
            break;
        case ControlKind::CommandButton:
            if (notification == BN_CLICKED) input_.clicked(bound->key);
            break;
        case ControlKind::OptionButton:
            if (notification == BN_CLICKED &&
                SendMessageW(bound->control, BM_GETCHECK, 0, 0) == BST_CHECKED)
                input_.selected(bound->key);
            break;
        case ControlKind::CheckBox:
            if (notification == BN_CLICKED)
                input_.checked(bound->key,
                               SendMessageW(bound->control, BM_GETCHECK, 0, 0) == BST_CHECKED);
            break;
        case ControlKind::TextBox:
            if (notification == EN_CHANGE && !mirroring_)
                input_.typed(bound->key, utf8(windowText(bound->control)));
            break;
        default:
            break;
    }
}

// Highlighted items in the red of caution, lightened where the list is dark.
void ScreenWindow::drawListItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const Bound* bound = byId(static_cast<int>(item.CtlID));
    if (!bound || item.itemID >= bound->items.size()) return;
    const bool chosen = item.itemState & ODS_SELECTED;
    const COLORREF base = GetSysColor(chosen ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    HBRUSH fill = CreateSolidBrush(base);
    FillRect(item.hDC, &item.rcItem, fill);
    DeleteObject(fill);
    COLORREF ink = GetSysColor(chosen ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    if (!chosen && !bound->highlights[item.itemID].empty()) {
        const Rgb red = inkFor({255, 0, 0}, {GetRValue(base), GetGValue(base), GetBValue(base)});
        ink = colorRef(red);
    }
    SetTextColor(item.hDC, ink);
    SetBkMode(item.hDC, TRANSPARENT);
    RECT text = item.rcItem;
    text.left += kItemInset;
    const std::wstring line = wide(bound->items[item.itemID]);
    DrawTextW(item.hDC, line.c_str(), static_cast<int>(line.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

LRESULT CALLBACK ScreenWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<ScreenWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ScreenWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, w, l) : DefWindowProcW(window, message, w, l);
}

LRESULT ScreenWindow::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
            command(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
            return 0;
        case DM_GETDEFID: {
            // As in a dialog, Enter presses the command button that has the
            // focus, and the screen's default button from anywhere else.
            const Bound* focused = byId(GetDlgCtrlID(GetFocus()));
            if (focused && focused->control == GetFocus() &&
                focused->kind == ControlKind::CommandButton)
                return MAKELRESULT(focused->id, DC_HASDEFID);
            if (const Bound* button = byKey(design_.defaultButton); button && button->control)
                return MAKELRESULT(button->id, DC_HASDEFID);
            return 0;
        }
        case WM_CLOSE:
            // The model decides what the close box does; the window only reports it.
            input_.closeBox();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(w) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(window_, focus)) lastFocus_ = focus;
            } else if (lastFocus_) {
                SetFocus(lastFocus_);
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            if (background_) {
                RECT client{};
                GetClientRect(window_, &client);
                FillRect(reinterpret_cast<HDC>(w), &client, background_);
                return 1;
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            // Captions keep the colours they were designed with on the
            // screen's own background; read-only boxes stay boxes.
            const Bound* bound = byId(GetDlgCtrlID(reinterpret_cast<HWND>(l)));
            if (!background_ || (bound && bound->kind == ControlKind::TextBox)) break;
            HDC dc = reinterpret_cast<HDC>(w);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, colorRef(*design_.background));
            return reinterpret_cast<LRESULT>(background_);
        }
        case WM_DRAWITEM:
            drawListItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
            return TRUE;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(w);
            const RECT* suggested = reinterpret_cast<const RECT*>(l);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            layout();
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, w, l);
}

}  // namespace bio
