#include "web/web_view.h"

#include "shell/catalogue.h"
#include "web/page_calls.h"

namespace bio {

WebView::WebView(Program& program, std::filesystem::path placeFile)
    : windows_(program, *this, std::move(placeFile)) {}

std::unique_ptr<ScreenView> WebView::makeWindow(ScreenId id, WindowInput input) {
    return std::make_unique<WebScreen>(id, screenDesign(id), std::move(input));
}

WebScreen* WebView::screen(ScreenId id) const {
    return static_cast<WebScreen*>(windows_.window(id));
}

// The page places its screens by its own layout; this only keeps the
// windows' remembered place meaningful.
WorkAreas WebView::workAreas() const {
    constexpr PixelRect kPage{0, 0, 1 << 14, 1 << 14};
    return {{kPage}, kPage};
}

void WebView::showInternalError(const std::string& text) { page_internal_error(text.c_str()); }

void WebView::ended() { page_ended(); }

}  // namespace bio
