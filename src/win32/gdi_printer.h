#pragma once
// The printer: text lines, pictures and composed pages through GDI, one
// print job, on a device context of its own, per document, on the printer
// and with the settings PrintDlgW chose (the default ones until the user has
// chosen).

#include <windows.h>

#include <optional>
#include <string>

#include "ui/services.h"
#include "view/print_layout.h"
#include "win32/font_cache.h"

namespace bio {

class GdiPrinter : public Printer {
  public:
    GdiPrinter() = default;
    ~GdiPrinter() override;
    GdiPrinter(const GdiPrinter&) = delete;
    GdiPrinter& operator=(const GdiPrinter&) = delete;

    // The printer dialog; false when cancelled.
    bool choose(HWND owner);

    void setFont(const std::string& family, double points) override;
    void printLine(const std::string& text) override;
    void printPicture(const PictureSource& picture, double x, double y) override;
    void printPage(const Page& page) override;
    std::optional<std::string> endDocument() override;

  private:
    // Starts the job on the chosen (or default) printer; a composed page
    // asks for A4 portrait, which its layout is made for.
    bool ensureJob(bool a4Portrait = false);
    // Ends the job's device context, after the job or after it failed to start.
    void closeDc();
    // Dots per inch down the page, by which fonts are sized.
    double dotsPerInch() const;
    // Across and down: the page's points go by each.
    Resolution resolution() const;

    HDC dc_ = nullptr;                                // the job's
    HGLOBAL devMode_ = nullptr, devNames_ = nullptr;  // the user's choice, kept as chosen
    FontCache fonts_;
    Font font_{"ＭＳ 明朝", 12, false};
    bool inJob_ = false;
    std::optional<LinePaging> lines_;
    std::optional<std::string> failure_;
};

}  // namespace bio
