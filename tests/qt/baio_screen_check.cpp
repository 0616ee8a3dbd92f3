// Checks a screenshot of the real program under Xvfb: the baio window must be
// on it with every caption drawn as the same glyphs that an offscreen
// rendering of the same window shows, and the fonts must hold those glyphs,
// so that no caption comes out as missing-glyph boxes.
//
//     baio_screen_check SCREEN.xwd OUTPUT.png
//
// Exit status 0 when the check holds, 1 when it fails, 3 when the window is
// not (yet) on the screenshot.

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <optional>

#include "desktop/desktop_program.h"
#include "desktop/japanese_fonts.h"
#include "shell/catalogue.h"
#include "ui/system_clock.h"

namespace {

// An X window dump as the virtual frame buffer keeps it: a header of 32-bit
// big-endian fields, a colour map, then 32-bit pixels.
std::optional<QImage> readXwd(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray data = file.readAll();
    if (data.size() < 100) return std::nullopt;
    auto field = [&](int n) { return qFromBigEndian<quint32>(data.constData() + 4 * n); };
    const quint32 headerSize = field(0), width = field(4), height = field(5);
    const quint32 byteOrder = field(7), bitsPerPixel = field(11), bytesPerLine = field(12);
    const quint32 colours = field(19);
    const qint64 offset = qint64(headerSize) + qint64(colours) * 12;
    if (bitsPerPixel != 32 || byteOrder != 0 ||
        offset + qint64(bytesPerLine) * height > data.size())
        return std::nullopt;
    QImage image(reinterpret_cast<const uchar*>(data.constData() + offset), int(width), int(height),
                 int(bytesPerLine), QImage::Format_RGB32);
    return image.copy();  // the buffer goes with `data`
}

// The window is what is not the black root window.
QRect windowArea(const QImage& screen) {
    QRect area;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if ((screen.pixel(x, y) & 0xffffff) != 0) area |= QRect(x, y, 1, 1);
    return area;
}

double differingShare(const QImage& a, const QImage& b, const QRect& region) {
    int differing = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            differing += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                             std::abs(p.blue() - q.blue()) >
                         96;
        }
    return double(differing) / (region.width() * region.height());
}

bool hasCaption(bio::ControlKind kind) {
    using bio::ControlKind;
    return kind == ControlKind::Label || kind == ControlKind::Frame ||
           kind == ControlKind::CommandButton || kind == ControlKind::OptionButton;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: baio_screen_check SCREEN.xwd OUTPUT.png\n");
        return 1;
    }
    bio::installJapaneseFontSubstitutions();
    const auto screen = readXwd(QString::fromLocal8Bit(argv[1]));
    if (!screen) {
        std::fprintf(stderr, "cannot read the screen dump %s\n", argv[1]);
        return 1;
    }
    const QRect area = windowArea(*screen);

    // The same window rendered offscreen, from a fresh folder as the real one.
    QTemporaryDir dir;
    bio::SystemClock clock;
    const std::filesystem::path dataPath = QFile::encodeName(dir.path()).toStdString();
    bio::DesktopProgram reference(dataPath, dataPath / "config", clock, dataPath / "window.ini");
    reference.start();
    bio::ScreenWindow& window = *reference.view().window(bio::ScreenId::baio);
    const QImage expected = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (area.size() != expected.size()) {
        std::printf("baio is not on the screen yet (found %dx%d, expecting %dx%d)\n", area.width(),
                    area.height(), expected.width(), expected.height());
        return 3;
    }
    const QImage shown = screen->copy(area);
    shown.save(QString::fromLocal8Bit(argv[2]));

    int failures = 0;
    for (const bio::ControlDesign& control : bio::screenDesign(bio::ScreenId::baio).controls) {
        if (!hasCaption(control.kind)) continue;
        const std::string key = bio::controlKey(control.name, control.index);
        QWidget* widget = window.widget(key);
        const QString caption = QString::fromStdString(control.caption);
        const QFontMetrics metrics(widget->font());
        for (char32_t ch : caption.toUcs4()) {
            if (ch != U' ' && !metrics.inFontUcs4(ch)) {
                std::printf("%s: the font has no glyph for %s\n", key.c_str(),
                            qPrintable(QString::fromUcs4(&ch, 1)));
                ++failures;
            }
        }
        // A frame's caption is its title strip; the controls it holds are checked
        // on their own (a text box's focus frame and cursor may differ).
        QRect region(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        if (control.kind == bio::ControlKind::Frame)
            region.setHeight(std::min(region.height(), metrics.height() + 4));
        const double share = differingShare(shown, expected, region);
        const bool same = share < 0.03;
        std::printf("%-9s %-40s %5.1f%% of its pixels differ%s\n", key.c_str(), qPrintable(caption),
                    share * 100, same ? "" : "  <- not as rendered offscreen");
        failures += !same;
    }
    return failures == 0 ? 0 : 1;
}
