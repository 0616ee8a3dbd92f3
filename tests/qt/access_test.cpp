// Usable by keyboard and screen reader: each screen's keys, the menu bar by
// F10, the arrow keys in an era group, where the focus starts, and the names,
// roles and links the windows give the screen reader.

#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <map>

#include "desktop/japanese_fonts.h"
#include "qt_test_support.h"
#include "shell/catalogue.h"

using namespace bio;
using namespace bio::testing;

Q_DECLARE_METATYPE(bio::ScreenId)

namespace {

void click(Desktop& d, ScreenId id, const char* button) {
    QTest::mouseClick(d.widget<QPushButton>(id, button), Qt::LeftButton);
}

void acceptNextMessage() {
    onNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
}

// Brings `id` up the way a user gets there.
void bringUp(Desktop& d, ScreenId id) {
    if (id == ScreenId::sindan) return typeWorkedExample(d);
    if (id == ScreenId::baio) return;
    click(d, ScreenId::baio, "Command2");
    if (id == ScreenId::hyouji) acceptNextMessage();  // browsing pauses after a page
    const std::map<ScreenId, const char*> menuButton{{ScreenId::hyouji, "Command5"},
                                                     {ScreenId::aisyou, "Command4"},
                                                     {ScreenId::aisyousin, "Command4"},
                                                     {ScreenId::kousin, "Command2"},
                                                     {ScreenId::itiran, "Command7"}};
    if (auto button = menuButton.find(id); button != menuButton.end())
        click(d, ScreenId::menyu, button->second);
    if (id == ScreenId::aisyousin) {
        acceptNextMessage();  // "次へ" between the persons
        click(d, ScreenId::aisyou, "Command1");
    }
}

QString visibleScreens(Desktop& d) {
    QStringList shown;
    for (ScreenId id : kAllScreens)
        if (d.desktop.program().visible(id)) shown << QString::fromUtf8(screenName(id).data());
    return shown.join(' ');
}

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        installJapaneseFontSubstitutions();
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    }

    void keysRunTheirScreensCommands_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("outcome");
        const QKeySequence esc(Qt::Key_Escape), pageUp(Qt::Key_PageUp), pageDown(Qt::Key_PageDown),
            ctrlP(Qt::CTRL | Qt::Key_P);
        QTest::newRow("baio Esc") << ScreenId::baio << esc << "menyu";
        QTest::newRow("sindan Esc") << ScreenId::sindan << esc << "baio";
        QTest::newRow("sindan PageUp") << ScreenId::sindan << pageUp << "11月のバイオリズムグラフ";
        QTest::newRow("sindan PageDown")
            << ScreenId::sindan << pageDown << "1月のバイオリズムグラフ";
        QTest::newRow("sindan Ctrl+P") << ScreenId::sindan << ctrlP << "印刷";
        QTest::newRow("menyu Esc") << ScreenId::menyu << esc << "menyu";
        QTest::newRow("hyouji Esc") << ScreenId::hyouji << esc << "menyu";
        QTest::newRow("aisyou Esc") << ScreenId::aisyou << esc << "menyu";
        QTest::newRow("aisyousin Esc") << ScreenId::aisyousin << esc << "aisyou";
        QTest::newRow("aisyousin PageDown")
            << ScreenId::aisyousin << pageDown << "1月のバイオリズムグラフ";
        QTest::newRow("aisyousin Ctrl+P") << ScreenId::aisyousin << ctrlP << "印刷";
        QTest::newRow("kousin Esc") << ScreenId::kousin << esc << "menyu";
        QTest::newRow("itiran Esc") << ScreenId::itiran << esc << "menyu";
    }

    // What the key did: the screens then shown, the month the graph then
    // shows, or the dialog it opened.
    void keysRunTheirScreensCommands() {
        QFETCH(ScreenId, id);
        QFETCH(QKeySequence, key);
        QFETCH(QString, outcome);
        Desktop d;
        bringUp(d, id);
        ScreenWindow& window = d.window(id);
        window.activateWindow();  // after a message box, as the desktop does
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Answers every dialog the key leads to, noting its title.
        QStringList dialogs;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible()) return;
            dialogs << modal->windowTitle();
            modal->reject();
        });
        answer.start(5);
        QTest::keySequence(&window, key);
        if (outcome == QStringLiteral("印刷"))
            QCOMPARE(dialogs, QStringList{outcome});
        else if (outcome.endsWith(QStringLiteral("グラフ")))
            QCOMPARE(window.widget("Picture1")->accessibleName(), outcome);
        else
            QCOMPARE(visibleScreens(d), outcome);
    }

    // F10 lends the keyboard to the menu bar, as a lone Alt does; Enter runs
    // the command and gives the focus back.
    void f10OpensTheMenuBar() {
        Desktop d;
        typeWorkedExample(d);
        ScreenWindow& sindan = d.window(ScreenId::sindan);
        QVERIFY(QTest::qWaitForWindowActive(&sindan));
        auto* list = d.widget<QListWidget>(ScreenId::sindan, "List1");
        QCOMPARE(QApplication::focusWidget(), list);  // the screen opens on its diagnosis
        auto* menuBar = sindan.findChild<QMenuBar*>();
        QTest::keyClick(&sindan, Qt::Key_F10);
        QCOMPARE(menuBar->activeAction(), sindan.menuCommand("messeji"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), list);
        QVERIFY(d.desktop.program().visible(ScreenId::sindan));

        QTest::keyClick(&sindan, Qt::Key_F10);
        for (int step = 0; step < 7; ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(menuBar->activeAction(), sindan.menuCommand("yokugetu"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(sindan.widget("Picture1")->accessibleName(),
                 QStringLiteral("1月のバイオリズムグラフ"));
        QCOMPARE(QApplication::focusWidget(), list);
    }

    // The arrow keys move through a frame's options and select as they go;
    // Tab still stops at every option, as the screens were designed.
    void arrowsMoveThroughAnEraGroup() {
        Desktop d;
        ScreenWindow& baio = d.window(ScreenId::baio);
        QVERIFY(QTest::qWaitForWindowActive(&baio));
        QTest::mouseClick(d.widget<QRadioButton>(ScreenId::baio, "Option3"), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(d.screen(ScreenId::baio).control("Option4").selected());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QVERIFY(d.screen(ScreenId::baio).control("Option2").selected());
        QCOMPARE(QApplication::focusWidget(), baio.widget("Option2"));
        d.widget<QLineEdit>(ScreenId::baio, "Text7")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), baio.widget("Option1"));
    }
};

QTEST_MAIN(AccessTest)
#include "access_test.moc"
