// Windows that stay in place: a screen replacing another takes its top-left
// corner, and the first window of a run stands where the last one stood when
// the program ended, unless that place is off every screen or unreadable.

#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "desktop/window_placement.h"
#include "qt_test_support.h"

using namespace bio;
using namespace bio::testing;

Q_DECLARE_METATYPE(std::optional<QPoint>)

namespace {

// Within the few pixels of frame that are not known before a first showing.
bool centredOnPrimary(const QWidget& window) {
    const QPoint off = window.frameGeometry().center() -
                       QGuiApplication::primaryScreen()->availableGeometry().center();
    return off.manhattanLength() <= 4;
}

void click(Desktop& d, ScreenId id, const char* button) {
    QTest::mouseClick(d.widget<QPushButton>(id, button), Qt::LeftButton);
}

}  // namespace

class PlacementTest : public QObject {
    Q_OBJECT

  private slots:
    // Two screens side by side, the right one lower; a frame of 600 x 500.
    void wantedPlaceNeedsItsTitleBarOnAScreen_data() {
        QTest::addColumn<std::optional<QPoint>>("wanted");
        QTest::addColumn<QPoint>("expected");
        const QPoint centre(660, 290);
        QTest::newRow("none") << std::optional<QPoint>() << centre;
        QTest::newRow("on the left") << std::optional(QPoint(100, 100)) << QPoint(100, 100);
        QTest::newRow("across both") << std::optional(QPoint(1900, 100)) << QPoint(1900, 100);
        QTest::newRow("mostly left of it") << std::optional(QPoint(-540, 10)) << QPoint(-540, 10);
        QTest::newRow("a sliver left") << std::optional(QPoint(-580, 10)) << centre;
        QTest::newRow("bar above the top") << std::optional(QPoint(100, -10)) << centre;
        QTest::newRow("below the left, on the right")
            << std::optional(QPoint(1920, 1060)) << QPoint(1920, 1060);
        QTest::newRow("below both") << std::optional(QPoint(2000, 1220)) << centre;
    }

    void wantedPlaceNeedsItsTitleBarOnAScreen() {
        QFETCH(std::optional<QPoint>, wanted);
        QFETCH(QPoint, expected);
        const QRect left(0, 0, 1920, 1080);
        const QRect right(1920, 0, 1280, 1240);
        QCOMPARE(settledPlace(wanted, QSize(600, 500), {left, right}, left), expected);
    }

    void nextScreenTakesTheTopLeftOfTheOneItReplaces() {
        Desktop d;
        const QPoint place(37, 41);
        d.window(ScreenId::baio).move(place);
        click(d, ScreenId::baio, "Command2");
        QCOMPARE(d.window(ScreenId::menyu).pos(), place);
        // hyouji shows over the menu as before (after its "次へ"); the menu keeps the place.
        onNextModal([](QWidget* box) { qobject_cast<QDialog*>(box)->accept(); });
        click(d, ScreenId::menyu, "Command5");
        QVERIFY(centredOnPrimary(d.window(ScreenId::hyouji)));
        click(d, ScreenId::menyu, "Command1");
        QCOMPARE(d.window(ScreenId::baio).pos(), place);
        typeWorkedExample(d);
        QCOMPARE(d.window(ScreenId::sindan).pos(), place);
        // A screen moved by the user hands on its new place.
        const QPoint moved(120, 15);
        d.window(ScreenId::sindan).move(moved);
        d.window(ScreenId::sindan).menuCommand("menyuhe")->trigger();
        click(d, ScreenId::menyu, "Command4");
        QCOMPARE(d.window(ScreenId::aisyou).pos(), moved);
        QVERIFY(d.window(ScreenId::hyouji).isVisible());
    }

    void nextRunStartsWhereTheLastEnded() {
        TempDir config;
        const std::filesystem::path path = config.path() / "biorhythm/window.ini";
        const QString file = QString::fromStdString(path.string());
        {
            Desktop first(file);
            QVERIFY(centredOnPrimary(first.window(ScreenId::baio)));
            click(first, ScreenId::baio, "Command2");
            first.window(ScreenId::menyu).move(52, 33);
            click(first, ScreenId::menyu, "Command6");
        }
        Desktop second(file);
        QCOMPARE(second.window(ScreenId::baio).pos(), QPoint(52, 33));
        second.window(ScreenId::baio).move(8, 9);
        second.window(ScreenId::baio).close();  // the close box ends the program too
        QCOMPARE(Desktop(file).window(ScreenId::baio).pos(), QPoint(8, 9));
        // A place off every screen, or a file that makes no sense, is dropped.
        for (const char* content : {"[window]\nx=5000\ny=-4000\n", "\xff[win\x01dow]\n=x=\n"}) {
            writeBytes(path, content);
            QVERIFY(centredOnPrimary(Desktop(file).window(ScreenId::baio)));
        }
    }
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
