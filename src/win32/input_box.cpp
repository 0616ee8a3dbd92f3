#include "win32/input_box.h"

#include <vector>

#include "platform/utf16.h"

namespace bio {

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kTextId = 101;

// A DLGTEMPLATE and its items, each DWORD-aligned, in dialog units.
class Template {
  public:
    void dialog(const std::wstring& title, short width, short height, WORD items) {
        DLGTEMPLATE head{};
        head.style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        head.cdit = items;
        head.cx = width;
        head.cy = height;
        add(&head, sizeof head);
        word(0);  // no menu
        word(0);  // the standard class
        text(title);
        word(9);  // points, in the font the system gives dialogs
        text(L"MS Shell Dlg");
    }

    void item(DWORD style, short x, short y, short width, short height, WORD id, WORD atom,
              const std::wstring& caption) {
        align();
        DLGITEMTEMPLATE head{};
        head.style = style | WS_CHILD | WS_VISIBLE;
        head.x = x;
        head.y = y;
        head.cx = width;
        head.cy = height;
        head.id = id;
        add(&head, sizeof head);
        word(0xFFFF);
        word(atom);
        text(caption);
        word(0);  // no creation data
    }

    const DLGTEMPLATE* data() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

  private:
    void add(const void* data, std::size_t size) {
        const auto* first = static_cast<const WORD*>(data);
        bytes_.insert(bytes_.end(), first, first + size / sizeof(WORD));
    }
    void word(WORD value) { bytes_.push_back(value); }
    void text(const std::wstring& value) {
        bytes_.insert(bytes_.end(), value.begin(), value.end());
        word(0);
    }
    void align() {
        if (bytes_.size() % 2) word(0);
    }

    std::vector<WORD> bytes_;
};

struct Exchange {
    std::wstring prompt, text;
};

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    auto* exchange = reinterpret_cast<Exchange*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, l);
            exchange = reinterpret_cast<Exchange*>(l);
            SetDlgItemTextW(dialog, kPromptId, exchange->prompt.c_str());
            SetDlgItemTextW(dialog, kTextId, exchange->text.c_str());
            SendDlgItemMessageW(dialog, kTextId, EM_SETSEL, 0, -1);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(w) == IDOK) {
                const HWND box = GetDlgItem(dialog, kTextId);
                std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
                text.resize(static_cast<std::size_t>(
                    GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
                exchange->text = text;
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(w) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
        default:
            break;
    }
    return FALSE;
}

}  // namespace

std::optional<std::string> runInputBox(HWND owner, const std::string& prompt,
                                       const std::string& title, const std::string& defaultText) {
    constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;
    Template dialog;
    dialog.dialog(wide(title), 260, 84, 4);
    dialog.item(SS_LEFT | SS_NOPREFIX, 7, 7, 190, 44, kPromptId, kStatic, L"");
    dialog.item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 60, 246, 14, kTextId, kEdit, L"");
    dialog.item(BS_DEFPUSHBUTTON | WS_TABSTOP, 203, 7, 50, 14, IDOK, kButton, L"OK");
    dialog.item(BS_PUSHBUTTON | WS_TABSTOP, 203, 25, 50, 14, IDCANCEL, kButton, L"キャンセル");
    Exchange exchange{wide(prompt), wide(defaultText)};
    const INT_PTR answer =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.data(), owner, dialogProcedure,
                                reinterpret_cast<LPARAM>(&exchange));
    if (answer != IDOK) return std::nullopt;
    return utf8(exchange.text);
}

}  // namespace bio
