// Scale and theme: under a dark desktop theme every label, text box and frame
// caption still reads at 4.5 : 1 against what lies behind it, and the graph's
// pens grow with the screen's scale. Runs at 200 % (QT_SCALE_FACTOR=2).

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <map>

#include "desktop/frame_box.h"
#include "desktop/japanese_fonts.h"
#include "desktop/picture_widget.h"
#include "desktop/qt_convert.h"
#include "qt_test_support.h"
#include "register/record_layout.h"
#include "view/contrast.h"

using namespace bio;
using namespace bio::testing;

Q_DECLARE_METATYPE(bio::ScreenId)

namespace {

// A dark theme as desktops ship one: light text on dark grey.
QPalette darkPalette() {
    QPalette palette;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)},
                                {QPalette::WindowText, QColor(238, 238, 238)},
                                {QPalette::Base, QColor(35, 35, 35)},
                                {QPalette::AlternateBase, QColor(53, 53, 53)},
                                {QPalette::Text, QColor(238, 238, 238)},
                                {QPalette::Button, QColor(53, 53, 53)},
                                {QPalette::ButtonText, QColor(238, 238, 238)},
                                {QPalette::Light, QColor(90, 90, 90)},
                                {QPalette::Dark, QColor(20, 20, 20)}})
        palette.setColor(role, colour);
    return palette;
}

// The contrast of text as drawn in `area` of `image`: the commonest colour
// there is the background, the one that stands out most from it the ink.
double drawnContrast(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
    const QRgb background = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                return a.second < b.second;
                            })->first;
    double ink = 1;
    for (const auto& [colour, count] : counts)
        ink = std::max(ink, contrastRatio(rgbOf(QColor(colour)), rgbOf(QColor(background))));
    return ink;
}

// Every screen up at once, after the worked example and with a person on a
// caution day in the register, the boxes that stay empty given a text.
void showEveryScreen(Desktop& d) {
    writeBytes(d.dir.path() / kRegisterFileName,
               encodeRecord(Cp932(), {"1", "令和太郎", "令和", "2", "3", "15"}));
    typeWorkedExample(d);
    Program& p = d.desktop.program();
    for (ScreenId id : kAllScreens) p.show(id);
    p.click(ScreenId::menyu, "Command7");  // the overview of the register
    for (ScreenId id : kAllScreens) p.show(id);
    d.desktop.view().sync();
    for (ScreenId id : kAllScreens)
        for (auto* edit : d.window(id).findChildren<QLineEdit*>())
            if (edit->text().isEmpty()) edit->setText(QStringLiteral("試験12"));
}

}  // namespace

class ThemeTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        installJapaneseFontSubstitutions();
        QApplication::setPalette(darkPalette());
    }

    void everyTextReadsUnderADarkTheme_data() {
        QTest::addColumn<ScreenId>("id");
        for (ScreenId id : kAllScreens) QTest::newRow(std::string(screenName(id)).c_str()) << id;
    }

    void everyTextReadsUnderADarkTheme() {
        QFETCH(ScreenId, id);
        Desktop d;
        showEveryScreen(d);
        ScreenWindow& window = d.window(id);
        const QImage image = window.grab().toImage();
        const double scale = image.devicePixelRatio();
        QCOMPARE(scale, 2.0);
        auto area = [&](QWidget* w, const QRect& part) {
            const QRect logical(w->mapTo(&window, part.topLeft()), part.size());
            return QRect((logical.topLeft().toPointF() * scale).toPoint(), logical.size() * scale);
        };
        QStringList unreadable;
        int texts = 0;
        auto check = [&](QWidget* w, const QRect& part, const QString& what) {
            ++texts;
            const double contrast = drawnContrast(image, area(w, part));
            if (contrast < kReadableContrast)
                unreadable << QStringLiteral("%1 %2:1").arg(what).arg(contrast, 0, 'f', 2);
        };
        for (auto* label : window.findChildren<QLabel*>())
            check(label, label->rect(), label->text());
        for (auto* edit : window.findChildren<QLineEdit*>())
            check(edit, edit->rect().adjusted(3, 3, -3, -3), edit->accessibleName());
        for (auto* widget : window.findChildren<QWidget*>())
            if (auto* frame = dynamic_cast<FrameBox*>(widget))
                check(frame, {0, 0, frame->width(), frame->fontMetrics().height()}, frame->title());
        for (auto* list : window.findChildren<QListWidget*>()) {
            for (int row = 0; row < list->count(); ++row, ++texts) {
                const QColor ink = list->item(row)->foreground().style() == Qt::NoBrush
                                       ? list->palette().color(QPalette::Text)
                                       : list->item(row)->foreground().color();
                if (contrastRatio(rgbOf(ink), rgbOf(list->palette().color(QPalette::Base))) <
                    kReadableContrast)
                    unreadable << list->item(row)->text();
            }
        }
        QVERIFY(texts > 0);
        QCOMPARE(unreadable, QStringList());
    }

    // A pen 3 pixels wide is 3 pixels at 100 % and 6 device pixels at 200 %.
    void penWidthsGrowWithTheScale() {
        PictureWidget picture(nullptr);
        picture.resize(200, 100);
        Canvas canvas;
        canvas.setScale(0, 10, 10, 0);
        canvas.setColor(1);
        canvas.setWidth(3);
        canvas.line(0, 5, 10, 5);
        picture.showDrawing(canvas.ops());
        const QImage image = picture.grab().toImage();
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            rows += qBlue(image.pixel(image.width() / 2, y)) > 64 &&
                    qRed(image.pixel(image.width() / 2, y)) < 64;
        QCOMPARE(rows, 6);
    }
};

QTEST_MAIN(ThemeTest)
#include "theme_test.moc"
