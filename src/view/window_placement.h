#pragma once
// Where the windows go. A screen that replaces another takes its place, so the
// program feels like one window; the first window of a run stands where the
// last one stood when the program last ended. The decisions are plain
// functions over rectangles in a front end's pixels (frames, screens' work areas).

#include <filesystem>
#include <optional>
#include <vector>

#include "view/pixels.h"

namespace bio {

class FileWriter;

// Whether enough of the title bar (the top strip of a window's frame) lies on
// one of the screens for the user to grab it.
bool titleBarOnSomeScreen(const PixelRect& frame, const std::vector<PixelRect>& screens);

// The top-left corner that centres a frame of `size` in `area`.
PixelPoint centredIn(const PixelSize& size, const PixelRect& area);

// The frame's top-left corner: `wanted` when the title bar is on a screen
// there, else centred in `primary`.
PixelPoint settledPlace(const std::optional<PixelPoint>& wanted, const PixelSize& frameSize,
                        const std::vector<PixelRect>& screens, const PixelRect& primary);

// The place of the program's window when it last ended, in a small settings file.
class RememberedPlace {
  public:
    explicit RememberedPlace(std::filesystem::path file) : file_(std::move(file)) {}

    // nullopt when there is none, or the file is unreadable or garbled.
    std::optional<PixelPoint> load() const;
    // A place that cannot be written is only not remembered: nothing else is lost.
    void save(const PixelPoint& place, FileWriter& writer) const;

  private:
    std::filesystem::path file_;
};

// window.ini in the user's settings folder for this program
// (settingsDir()/biorhythm: ~/.config/biorhythm, or %APPDATA%\biorhythm).
std::filesystem::path defaultPlaceFile();

}  // namespace bio
