#pragma once
// Where the windows go. A screen that replaces another takes its place, so the
// program feels like one window; the first window of a run stands where the
// last one stood when the program last ended. The geometry decisions are plain
// functions over rectangles.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <filesystem>
#include <optional>
#include <utility>

class QWidget;

namespace bio {

class FileWriter;

// Whether enough of the title bar (the top strip of a window's frame) lies on
// one of the screens for the user to grab it.
bool titleBarOnSomeScreen(const QRect& frame, const QList<QRect>& screens);

// The top-left corner that centres a frame of `size` in `area`.
QPoint centredIn(const QSize& size, const QRect& area);

// The frame's top-left corner: `wanted` when the title bar is on a screen
// there, else centred in `primary`.
QPoint settledPlace(const std::optional<QPoint>& wanted, const QSize& frameSize,
                    const QList<QRect>& screens, const QRect& primary);
// The same for a window, on the desktop's screens.
QPoint settledPlace(const std::optional<QPoint>& wanted, const QWidget& window);

// The place of the program's window when it last ended, in a small settings file.
class RememberedPlace {
  public:
    explicit RememberedPlace(QString file) : file_(std::move(file)) {}

    // nullopt when there is none, or the file is unreadable or garbled.
    std::optional<QPoint> load() const;
    // A place that cannot be written is only not remembered: nothing else is lost.
    void save(const QPoint& place, FileWriter& writer) const;

  private:
    std::filesystem::path file() const;

    QString file_;
};

// window.ini in the user's configuration folder for this program
// ($XDG_CONFIG_HOME/biorhythm, or ~/.config/biorhythm).
QString defaultPlaceFile();

}  // namespace bio
