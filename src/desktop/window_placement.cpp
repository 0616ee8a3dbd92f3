#include "desktop/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>

namespace bio {

namespace {

// About the height of a window manager's title bar, and the width of it that
// the user needs to grab it with the mouse.
constexpr int kTitleBarHeight = 24;
constexpr int kGripWidth = 48;
// Farther than any desktop reaches; a remembered place beyond it is garbage.
constexpr int kFarthest = 1 << 20;

constexpr char kXKey[] = "window/x";
constexpr char kYKey[] = "window/y";

bool withinReach(int coordinate) { return coordinate >= -kFarthest && coordinate <= kFarthest; }

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
    const QSettings settings(file_, QSettings::IniFormat);
    bool xRead = false;
    bool yRead = false;
    const int x = settings.value(kXKey).toInt(&xRead);
    const int y = settings.value(kYKey).toInt(&yRead);
    if (settings.status() != QSettings::NoError || !xRead || !yRead) return std::nullopt;
    if (!withinReach(x) || !withinReach(y)) return std::nullopt;
    return QPoint(x, y);
}

void RememberedPlace::save(const QPoint& place) const {
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(kXKey, place.x());
    settings.setValue(kYKey, place.y());
}

QString defaultPlaceFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/biorhythm/window.ini");
}

}  // namespace bio
