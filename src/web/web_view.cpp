#include "web/web_view.h"

#include "shell/catalogue.h"
#include "web/page_calls.h"

namespace bio {

WebView::WebView(Program& program, std::filesystem::path placeFile)
    : windows_(program, *this, std::move(placeFile)) {}

namespace {

std::unique_ptr<WebScreen> newWindow(ScreenId id) {
    return std::make_unique<WebScreen>(id, screenDesign(id), WindowInput{});
}

}  // namespace

std::unique_ptr<ScreenView> WebView::makeWindow(ScreenId id, WindowInput input) {
    std::unique_ptr<WebScreen> window = std::move(prepared_[static_cast<std::size_t>(id)]);
    if (!window) window = newWindow(id);
    window->attach(std::move(input));
    return window;
}

bool WebView::prepareOne() {
    for (const ScreenId id : kAllScreens) {
        std::unique_ptr<WebScreen>& prepared = prepared_[static_cast<std::size_t>(id)];
        if (!windows_.window(id) && !prepared) {
            prepared = newWindow(id);
            return true;
        }
    }
    return false;
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
