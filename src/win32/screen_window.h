#pragma once
// One screen of the model as a top-level window of Windows' standard
// controls, laid out from the catalogue's twips at the window's DPI. It writes
// the model's values into the controls and hands the user's input back
// untouched; the dialog manager (IsDialogMessageW) gives it Tab, the arrows
// in an era group, Enter for the default button and Esc.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/accessible_names.h"
#include "shell/shortcuts.h"
#include "ui/screen.h"
#include "view/program_windows.h"
#include "win32/font_cache.h"
#include "win32/screen_reader_names.h"
#include "win32/text_fit.h"

namespace bio {

class ScreenWindow : public ScreenView {
  public:
    ScreenWindow(const ScreenDesign& design, const std::vector<Shortcut>& shortcuts,
                 WindowInput input, ScreenReaderNames& readerNames);
    ~ScreenWindow() override;
    ScreenWindow(const ScreenWindow&) = delete;
    ScreenWindow& operator=(const ScreenWindow&) = delete;

    HWND handle() const { return window_; }
    void mirror(const Screen& screen) override;
    void open(const std::optional<PixelPoint>& place) override;
    void hide() override;
    bool isVisible() const override;
    bool opened() const override { return opened_; }
    PixelPoint position() const override;
    PixelSize frameSize() const override;

    // The keys of this window, for the message loop: accelerators first, then
    // the dialog manager.
    bool translate(MSG& message);

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);

  private:
    struct Bound;

    void create(const ScreenDesign& design);
    // Made where it stays and in its fitted font: each move or font is one
    // more round of messages per control before the first paint.
    void createControl(std::size_t index, bool inTabOrder, bool startsGroup, TextFit& fit);
    // Every control at its place and in its font at the window's DPI, and
    // the frame around them: after a change of DPI.
    void layout();
    void applyFont(std::size_t index, TextFit& fit);
    // The frame sized to hold the design's client area.
    void fitFrame();
    void bindKeys(const std::vector<Shortcut>& shortcuts);
    void nameForScreenReaders();
    void keepTabStopOnSelectedOption();
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    void command(int id, int notification, HWND control);
    void drawListItem(const DRAWITEMSTRUCT& item);
    Bound* byId(int id);
    Bound* byKey(const std::string& key);

    const ScreenDesign& design_;
    WindowInput input_;
    ScreenReaderNames& readerNames_;
    HWND window_ = nullptr;
    HMENU menu_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HBRUSH background_ = nullptr;
    FontCache fonts_;
    std::vector<Bound> bound_;      // catalogue order, like the screen's controls
    std::vector<PixelRect> rects_;  // where they stand at the window's DPI
    std::vector<DesignName> names_;
    std::string escapeCommand_;
    std::vector<std::string> shortcutControls_;  // by accelerator id
    HWND lastFocus_ = nullptr;
    UINT dpi_ = 96;
    std::wstring face_;  // the system's UI font, which the controls show
    bool mirroring_ = false;
    bool opened_ = false;
};

}  // namespace bio
