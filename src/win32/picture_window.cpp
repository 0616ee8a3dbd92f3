#include "win32/picture_window.h"

#include <memory>

#include "view/canvas_replay.h"
#include "win32/gdi_canvas.h"

namespace bio {

namespace {

struct Drawing {
    std::vector<CanvasOp> ops;
};

Drawing* drawingOf(HWND picture) {
    return reinterpret_cast<Drawing*>(GetWindowLongPtrW(picture, GWLP_USERDATA));
}

// Painted off screen first: a month's graph is some hundred lines, which
// would flicker when drawn straight onto the window.
void paint(HWND picture) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(picture, &paint);
    RECT client{};
    GetClientRect(picture, &client);
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(buffer, bitmap);
    FillRect(buffer, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (const Drawing* drawing = drawingOf(picture)) {
        const AreaF area{0, 0, static_cast<double>(client.right),
                         static_cast<double>(client.bottom)};
        auto font = reinterpret_cast<HFONT>(SendMessageW(picture, WM_GETFONT, 0, 0));
        paintCanvas(buffer, drawing->ops, screenCanvasTarget(area, GetDpiForWindow(picture)), font);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    EndPaint(picture, &paint);
}

LRESULT CALLBACK pictureProcedure(HWND picture, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrW(picture, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new Drawing));
            break;
        case WM_NCDESTROY:
            delete drawingOf(picture);
            SetWindowLongPtrW(picture, GWLP_USERDATA, 0);
            break;
        case WM_SETFONT:
            SetPropW(picture, L"font", reinterpret_cast<HANDLE>(w));
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(GetPropW(picture, L"font"));
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint(picture);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(picture, message, w, l);
}

}  // namespace

void registerPictureClass() {
    static const bool registered = [] {
        WNDCLASSEXW pictureClass{};
        pictureClass.cbSize = sizeof pictureClass;
        pictureClass.lpfnWndProc = pictureProcedure;
        pictureClass.hInstance = GetModuleHandleW(nullptr);
        pictureClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        pictureClass.lpszClassName = kPictureClass;
        return RegisterClassExW(&pictureClass) != 0;
    }();
    static_cast<void>(registered);
}

void showDrawing(HWND picture, const std::vector<CanvasOp>& ops) {
    Drawing* drawing = drawingOf(picture);
    if (!drawing || drawing->ops == ops) return;
    drawing->ops = ops;
    InvalidateRect(picture, nullptr, FALSE);
}

}  // namespace bio
