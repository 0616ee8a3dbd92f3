// Windows that stay in place: a screen replacing another takes its top-left
// corner, and the first window of a run stands where the last one stood when
// the program ended, unless that place is off every screen or unreadable. The
// geometry alone is tested in tests/view.

#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "qt_test_support.h"

using namespace bio;
using namespace bio::testing;

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
        {
            Desktop first(path);
            QVERIFY(centredOnPrimary(first.window(ScreenId::baio)));
            click(first, ScreenId::baio, "Command2");
            first.window(ScreenId::menyu).move(52, 33);
            click(first, ScreenId::menyu, "Command6");
        }
        Desktop second(path);
        QCOMPARE(second.window(ScreenId::baio).pos(), QPoint(52, 33));
        second.window(ScreenId::baio).move(8, 9);
        second.window(ScreenId::baio).close();  // the close box ends the program too
        QCOMPARE(Desktop(path).window(ScreenId::baio).pos(), QPoint(8, 9));
        // A place off every screen, or a file that makes no sense, is dropped.
        for (const char* content : {"[window]\nx=5000\ny=-4000\n", "\xff[win\x01dow]\n=x=\n"}) {
            writeBytes(path, content);
            QVERIFY(centredOnPrimary(Desktop(path).window(ScreenId::baio)));
        }
    }
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
