#pragma once
// The whole program in the page: the model with the page's dialogs and
// printer, and the view that mirrors it. The page's folders are those of
// emscripten's file system: the data folder is kept in the browser's
// storage by the page (site/storage.js).

#include <memory>

#include "shell/program.h"
#include "ui/system_clock.h"
#include "web/web_dialogs.h"
#include "web/web_printer.h"
#include "web/web_view.h"

namespace bio {

class WebProgram {
  public:
    // The folders the page has made: `dataDir` for kojinfl.txt and
    // kojinfl2.txt, `configDir` for the settings nobody else reads.
    WebProgram(std::filesystem::path dataDir, std::filesystem::path configDir);

    // baio created and shown, on the model and in the page.
    void start();
    // One more window of a screen not yet shown, built ahead; false once
    // none is left (WebView::prepareOne).
    bool prepareOne() { return view_.prepareOne(); }
    // The window of a screen the page shows, for what the user does in it.
    WebScreen& screen(ScreenId id);

  private:
    SystemClock clock_;
    WebPrinter printer_;
    WebDialogs dialogs_;
    std::unique_ptr<Program> program_;
    WebView view_;
};

}  // namespace bio
