#pragma once
// The modal dialogs of Windows: MessageBoxW, a one-line input box made from
// a dialog template in memory, PrintDlgW and the common file dialogs.

#include <windows.h>

#include <functional>

#include "ui/services.h"

namespace bio {

class GdiPrinter;

class WindowsDialogs : public Dialogs {
  public:
    explicit WindowsDialogs(GdiPrinter& printer) : printer_(printer) {}

    // Runs before each dialog opens (the view shows the model as it is then)
    // and gives the window that owns it.
    void setBeforeOpening(std::function<HWND()> beforeOpening) {
        beforeOpening_ = std::move(beforeOpening);
    }

    Answer messageBox(const std::string& text, const std::string& title) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    bool printerDialog() override;
    std::optional<std::filesystem::path> fileDialog(const FileRequest& request) override;

  private:
    HWND prepare() { return beforeOpening_ ? beforeOpening_() : nullptr; }

    GdiPrinter& printer_;
    std::function<HWND()> beforeOpening_;
};

}  // namespace bio
