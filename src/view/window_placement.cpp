#include "view/window_placement.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

#include "platform/file.h"
#include "platform/file_writer.h"
#include "platform/places.h"

namespace bio {

namespace {

// About the height of a window manager's title bar, and the width of it that
// the user needs to grab it with the mouse.
constexpr int kTitleBarHeight = 24;
constexpr int kGripWidth = 48;
// Farther than any desktop reaches; a remembered place beyond it is garbage.
constexpr int kFarthest = 1 << 20;

// The file has the INI form that settings files take: a [window] section with
// x= and y= lines. Longer files are no file of ours.
constexpr std::size_t kLongestFile = 4096;
constexpr std::string_view kSection = "[window]";

bool withinReach(int coordinate) { return coordinate >= -kFarthest && coordinate <= kFarthest; }

// What two rectangles share; empty (all zero) when they do not meet.
PixelRect intersected(const PixelRect& a, const PixelRect& b) {
    const int left = std::max(a.left, b.left), top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

// The whole number after `key=` on a line of the [window] section.
std::optional<int> valueOf(std::string_view text, std::string_view key) {
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.starts_with('[')) inSection = line == kSection;
        if (!inSection || !line.starts_with(key) || line.substr(key.size(), 1) != "=") continue;
        const std::string_view digits = line.substr(key.size() + 1);
        int value = 0;
        const auto [last, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (error == std::errc() && last == digits.data() + digits.size()) return value;
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

bool titleBarOnSomeScreen(const PixelRect& frame, const std::vector<PixelRect>& screens) {
    const PixelRect bar{frame.left, frame.top, frame.width, kTitleBarHeight};
    const int grip = std::min(kGripWidth, bar.width);
    return std::any_of(screens.begin(), screens.end(), [&](const PixelRect& screen) {
        const PixelRect shown = intersected(bar, screen);
        return shown.width >= grip && shown.height == bar.height;
    });
}

PixelPoint centredIn(const PixelSize& size, const PixelRect& area) {
    return {area.left + (area.width - size.width) / 2, area.top + (area.height - size.height) / 2};
}

PixelPoint settledPlace(const std::optional<PixelPoint>& wanted, const PixelSize& frameSize,
                        const std::vector<PixelRect>& screens, const PixelRect& primary) {
    if (wanted &&
        titleBarOnSomeScreen({wanted->x, wanted->y, frameSize.width, frameSize.height}, screens))
        return *wanted;
    return centredIn(frameSize, primary);
}

std::optional<PixelPoint> RememberedPlace::load() const {
    const FileResult<std::string> text = readWholeFile(file_, kLongestFile);
    if (!text) return std::nullopt;
    const std::optional<int> x = valueOf(*text, "x");
    const std::optional<int> y = valueOf(*text, "y");
    if (!x || !y || !withinReach(*x) || !withinReach(*y)) return std::nullopt;
    return PixelPoint{*x, *y};
}

void RememberedPlace::save(const PixelPoint& place, FileWriter& writer) const {
    if (!makeFolders(file_.parent_path())) return;
    const std::string text = std::string(kSection) + "\nx=" + std::to_string(place.x) +
                             "\ny=" + std::to_string(place.y) + "\n";
    static_cast<void>(replaceFileAtomically(writer, file_, text));
}

std::filesystem::path defaultPlaceFile() { return settingsDir() / "biorhythm" / "window.ini"; }

}  // namespace bio
