#pragma once
// The modal dialogs: message box, input box and the platform's printer dialog.

#include <functional>

#include "ui/services.h"

class QWidget;

namespace bio {

class QtPrinter;

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QtPrinter& printer) : printer_(printer) {}

    // Runs before every dialog opens: brings the windows up to the model (so
    // that what the dialog talks about is on screen) and names its parent.
    void setBeforeOpening(std::function<QWidget*()> prepare) { prepare_ = std::move(prepare); }

    Answer messageBox(const std::string& text, const std::string& title) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    bool printerDialog() override;
    std::optional<std::filesystem::path> fileDialog(const FileRequest& request) override;

  private:
    QWidget* prepare() { return prepare_ ? prepare_() : nullptr; }

    QtPrinter& printer_;
    std::function<QWidget*()> prepare_;
};

}  // namespace bio
