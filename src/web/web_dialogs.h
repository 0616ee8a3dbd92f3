#pragma once
// The program's dialogs as the page's own modal <dialog>s, which the
// program waits on as it does on the desktop: the call returns only once
// the user has answered. A message box and an input box first bring the
// page up to date and store the data in the browser, so that what the
// program reports done is done. The printer dialog is the browser's, shown
// when the command has printed; a file is saved as a download and opened
// from <input type="file">.

#include <functional>

#include "ui/services.h"

namespace bio {

class WebDialogs : public Dialogs {
  public:
    // Runs before a dialog opens: the screens mirrored as they stand.
    void setBeforeOpening(std::function<void()> beforeOpening) {
        beforeOpening_ = std::move(beforeOpening);
    }

    Answer messageBox(const std::string& text, const std::string& title) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    bool printerDialog() override;
    std::optional<std::filesystem::path> fileDialog(const FileRequest& request) override;

  private:
    void prepare();

    std::function<void()> beforeOpening_;
};

}  // namespace bio
