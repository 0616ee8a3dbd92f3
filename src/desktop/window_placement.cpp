#include "desktop/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <charconv>
#include <string_view>

#include "platform/file_writer.h"
#include "platform/path.h"
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

bool titleBarOnSomeScreen(const QRect& frame, const QList<QRect>& screens) {
    const QRect bar(frame.topLeft(), QSize(frame.width(), kTitleBarHeight));
    const int grip = std::min(kGripWidth, bar.width());
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        const QRect shown = bar.intersected(screen);
        return shown.width() >= grip && shown.height() == bar.height();
    });
}

QPoint centredIn(const QSize& size, const QRect& area) {
    return area.topLeft() +
           QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
}

QPoint settledPlace(const std::optional<QPoint>& wanted, const QSize& frameSize,
                    const QList<QRect>& screens, const QRect& primary) {
    if (wanted && titleBarOnSomeScreen(QRect(*wanted, frameSize), screens)) return *wanted;
    return centredIn(frameSize, primary);
}

QPoint settledPlace(const std::optional<QPoint>& wanted, const QWidget& window) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    return settledPlace(wanted, window.frameGeometry().size(), screens,
                        primary ? primary->availableGeometry() : QRect());
}

std::optional<QPoint> RememberedPlace::load() const {
    const FileResult<std::string> text = readWholeFile(file(), kLongestFile);
    if (!text) return std::nullopt;
    const std::optional<int> x = valueOf(*text, "x");
    const std::optional<int> y = valueOf(*text, "y");
    if (!x || !y || !withinReach(*x) || !withinReach(*y)) return std::nullopt;
    return QPoint(*x, *y);
}

void RememberedPlace::save(const QPoint& place, FileWriter& writer) const {
    const std::filesystem::path path = file();
    if (!makeFolders(path.parent_path())) return;
    const std::string text = std::string(kSection) + "\nx=" + std::to_string(place.x()) +
                             "\ny=" + std::to_string(place.y()) + "\n";
    static_cast<void>(replaceFileAtomically(writer, path, text));
}

std::filesystem::path RememberedPlace::file() const { return pathFromUtf8(file_.toStdString()); }

QString defaultPlaceFile() {
    return QString::fromStdString(utf8Text(settingsDir() / "biorhythm" / "window.ini"));
}

}  // namespace bio
