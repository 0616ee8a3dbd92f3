#pragma once
// The modal dialogs of Windows: MessageBoxW, a one-line input box made from
// a dialog template in memory, PrintDlgW and the common file dialogs.

#include <windows.h>

#include <functional>

#include "ui/services.h"
#include "win32/com_apartment.h"

namespace bio {

class GdiPrinter;

class WindowsDialogs : public Dialogs {
  public:
    // The file dialogs browse the shell's folders through COM, which
    // `apartment` joins at the first of them.
    WindowsDialogs(GdiPrinter& printer, ComApartment& apartment)
        : printer_(printer), apartment_(apartment) {}

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
    ComApartment& apartment_;
    std::function<HWND()> beforeOpening_;
};

}  // namespace bio
