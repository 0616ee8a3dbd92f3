// The windows as a user meets them: built from the catalogue, mirroring the
// model both ways, the keyboard, the close box and the dialogs' timing.

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "desktop/frame_box.h"
#include "desktop/japanese_fonts.h"
#include "qt_test_support.h"
#include "register/record_layout.h"
#include "shell/catalogue.h"
#include "view/pixels.h"

using namespace bio;
using namespace bio::testing;

Q_DECLARE_METATYPE(bio::ScreenId)

namespace {

int pixels(int twips, const QWidget& w) { return qRound(twips * w.logicalDpiX() / 1440.0); }

// Brings a screen up the way a user gets there, from baio through the menu.
void goFromMenu(Desktop& d, const char* menuButton) {
    QTest::mouseClick(d.widget<QPushButton>(ScreenId::baio, "Command2"), Qt::LeftButton);
    QTest::mouseClick(d.widget<QPushButton>(ScreenId::menyu, menuButton), Qt::LeftButton);
}

std::vector<std::string> radioStates(Desktop& d, ScreenId id, int first, int last) {
    std::vector<std::string> states;
    for (int n = first; n <= last; ++n) {
        const std::string key = "Option" + std::to_string(n);
        const bool shown = d.widget<QRadioButton>(id, key)->isChecked();
        const bool model = d.screen(id).control(key).selected();
        states.push_back(std::string(shown ? "x" : "-") + (model ? "x" : "-"));
    }
    return states;
}

}  // namespace

class ViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installJapaneseFontSubstitutions(); }

    void startsOnBaioSizedFromTwips() {
        Desktop d;
        ScreenWindow& baio = d.window(ScreenId::baio);
        QVERIFY(baio.isVisible());
        QCOMPARE(baio.windowTitle(), QStringLiteral("バイオリズム診断"));
        QVERIFY(!d.desktop.view().window(ScreenId::menyu));  // not created, so no window
        // 7860 x 8565 twips of client area at the screen's logical resolution.
        QCOMPARE(baio.size(), QSize(pixels(7860, baio), pixels(8565, baio)));
        // Text7 sits in Frame3 at (840, 480) relative to the frame.
        auto* name = d.widget<QLineEdit>(ScreenId::baio, "Text7");
        auto* frame = dynamic_cast<FrameBox*>(name->parentWidget());
        QVERIFY(frame);
        QCOMPARE(frame->title(), QStringLiteral("氏名の入力"));
        QCOMPARE(name->geometry(), QRect(pixels(840, baio), pixels(480, baio), pixels(2535, baio),
                                         pixels(375, baio)));
        QCOMPARE(d.widget<QLabel>(ScreenId::baio, "Label5")->text(),
                 QStringLiteral("生年月日を入力してから[Enter]キーを押すか，     "
                                "[バイオリズム実行]ボタンをクリックしてください."));
        // Today's date came from the model's load action.
        QCOMPARE(d.widget<QLineEdit>(ScreenId::baio, "Text4")->text(), QStringLiteral("2026"));
    }

    void typingAndEnterShowSindanWithTheReading() {
        Desktop d;
        typeWorkedExample(d);
        QCOMPARE(d.screen(ScreenId::baio).text("Text7"), std::string("ＡＢＣＤ"));
        QVERIFY(!d.window(ScreenId::baio).isVisible());
        ScreenWindow& sindan = d.window(ScreenId::sindan);
        QVERIFY(sindan.isVisible());
        auto* list = d.widget<QListWidget>(ScreenId::sindan, "List1");
        QStringList shown;
        for (int row = 0; row < list->count(); ++row) shown << list->item(row)->text();
        QCOMPARE(shown, workedExampleListLines());
        const std::pair<const char*, const char*> boxes[] = {
            {"Text9", "23222"},  {"Text10", "11"}, {"Text11", "24"},    {"Text12", "16"},
            {"Text1", "金曜日"}, {"Text3", "12"},  {"Text2", "火曜日"},
        };
        for (auto [key, text] : boxes)
            QCOMPARE(d.widget<QLineEdit>(ScreenId::sindan, key)->text(), QString::fromUtf8(text));
        // Back on baio the age and birth year the run wrote are on screen.
        d.window(ScreenId::sindan).menuCommand("back")->trigger();
        QVERIFY(d.window(ScreenId::baio).isVisible());
        QCOMPARE(d.widget<QLineEdit>(ScreenId::baio, "Text8")->text(), QStringLiteral("1963"));
        QCOMPARE(d.widget<QLineEdit>(ScreenId::baio, "Text9")->text(), QStringLiteral("63"));
    }

    void modelWritesReachWidgetsWithoutComingBack() {
        Desktop d;
        auto* name = d.widget<QLineEdit>(ScreenId::baio, "Text7");
        QSignalSpy edits(name, &QLineEdit::textEdited);
        d.screen(ScreenId::baio).setText("Text7", "山田");
        d.desktop.view().sync();
        QCOMPARE(name->text(), QStringLiteral("山田"));
        QCOMPARE(edits.count(), 0);
        // The user's typing goes to the model character by character.
        typeText(name, QStringLiteral("太郎"));
        QCOMPARE(d.screen(ScreenId::baio).text("Text7"), std::string("山田太郎"));
        QCOMPARE(edits.count(), 2);
    }

    void optionButtonsAreExclusivePerFrame() {
        Desktop d;
        QCOMPARE(radioStates(d, ScreenId::baio, 1, 4),
                 (std::vector<std::string>{"--", "--", "--", "--"}));
        QTest::mouseClick(d.widget<QRadioButton>(ScreenId::baio, "Option1"), Qt::LeftButton);
        QTest::mouseClick(d.widget<QRadioButton>(ScreenId::baio, "Option3"), Qt::LeftButton);
        QCOMPARE(radioStates(d, ScreenId::baio, 1, 4),
                 (std::vector<std::string>{"--", "--", "xx", "--"}));
        // Clicking the selected one keeps it selected.
        QTest::mouseClick(d.widget<QRadioButton>(ScreenId::baio, "Option3"), Qt::LeftButton);
        QCOMPARE(radioStates(d, ScreenId::baio, 3, 3), (std::vector<std::string>{"xx"}));

        // aisyou has one group per person: choosing in one leaves the other alone.
        goFromMenu(d, "Command4");
        QVERIFY(d.window(ScreenId::aisyou).isVisible());
        QTest::mouseClick(d.widget<QRadioButton>(ScreenId::aisyou, "Option2"), Qt::LeftButton);
        QTest::mouseClick(d.widget<QRadioButton>(ScreenId::aisyou, "Option7"), Qt::LeftButton);
        QTest::mouseClick(d.widget<QRadioButton>(ScreenId::aisyou, "Option4"), Qt::LeftButton);
        QCOMPARE(radioStates(d, ScreenId::aisyou, 1, 8),
                 (std::vector<std::string>{"--", "--", "--", "xx", "--", "--", "xx", "--"}));
    }

    void tabFollowsTheCatalogueOrder_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QStringList>("order");
        // aisyou's order is part of its design, starting on "登録".
        QTest::newRow("aisyou") << ScreenId::aisyou
                                << QStringList{"Command2", "Text7",    "Text1",    "Text2",
                                               "Text3",    "Text8",    "Text11",   "Text10",
                                               "Text9",    "Command3", "Command1", "Text6",
                                               "Text5",    "Text4",    "Option4",  "Option9",
                                               "Option3",  "Option2",  "Option1",  "Option5",
                                               "Option6",  "Option7",  "Option8",  "Option10",
                                               "Text12",   "Text13",   "Command4", "Command5"};
        for (ScreenId id : {ScreenId::baio, ScreenId::menyu, ScreenId::kousin}) {
            QStringList order;
            for (const auto& key : screenDesign(id).tabOrder) order << QString::fromStdString(key);
            QTest::newRow(std::string(screenName(id)).c_str()) << id << order;
        }
    }

    void tabFollowsTheCatalogueOrder() {
        QFETCH(ScreenId, id);
        QFETCH(QStringList, order);
        Desktop d;
        if (id == ScreenId::aisyou) goFromMenu(d, "Command4");
        if (id == ScreenId::kousin) goFromMenu(d, "Command2");
        if (id == ScreenId::menyu)
            QTest::mouseClick(d.widget<QPushButton>(ScreenId::baio, "Command2"), Qt::LeftButton);
        ScreenWindow& window = d.window(id);
        QVERIFY(window.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The first of the order holds the focus on opening; Tab walks the rest
        // and comes round again.
        QStringList visited;
        for (int step = 0; step <= order.size(); ++step) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QString key;
            for (const QString& candidate : order)
                if (window.widget(candidate.toStdString()) == focus) key = candidate;
            visited << key;
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(visited, order + QStringList{order.first()});
    }

    void returnRunsTheDefaultButtonOrTheFocusedOne() {
        Desktop d;
        // On a screen without a default button Enter does nothing ...
        QTest::mouseClick(d.widget<QPushButton>(ScreenId::baio, "Command2"), Qt::LeftButton);
        ScreenWindow& menyu = d.window(ScreenId::menyu);
        QTest::keyClick(&menyu, Qt::Key_Return);
        QVERIFY(menyu.isVisible());
        // ... but a focused button takes it as a press.
        auto* toBaio = d.widget<QPushButton>(ScreenId::menyu, "Command1");
        toBaio->setFocus();
        QTest::keyClick(toBaio, Qt::Key_Return);
        QVERIFY(!menyu.isVisible());
        QVERIFY(d.window(ScreenId::baio).isVisible());
        // Enter on an option button of baio starts the reading (the default button).
        QTest::mouseClick(d.widget<QRadioButton>(ScreenId::baio, "Option4"), Qt::LeftButton);
        QTest::keyClick(d.widget<QRadioButton>(ScreenId::baio, "Option4"), Qt::Key_Enter);
        QVERIFY(d.window(ScreenId::sindan).isVisible());
    }

    void closeBoxFollowsTheModel() {
        Desktop d;
        bool ended = false;
        d.desktop.view().setOnEnded([&] { ended = true; });
        d.window(ScreenId::baio).close();
        QVERIFY(d.desktop.program().ended());
        QVERIFY(ended);
        QVERIFY(!d.window(ScreenId::baio).isVisible());
    }

    void menuEndHidesEveryWindow() {
        Desktop d;
        bool ended = false;
        d.desktop.view().setOnEnded([&] { ended = true; });
        QTest::mouseClick(d.widget<QPushButton>(ScreenId::baio, "Command2"), Qt::LeftButton);
        QTest::mouseClick(d.widget<QPushButton>(ScreenId::menyu, "Command6"), Qt::LeftButton);
        QVERIFY(ended);
        QVERIFY(!d.window(ScreenId::menyu).isVisible());
    }

    void eachPageIsOnScreenWhileItsMessageWaits() {
        Desktop d;
        std::string bytes;
        for (int k = 1; k <= 21; ++k) {
            RegisterRecord record{
                std::to_string(k), "P" + std::to_string(k), "昭和", "40", "5", "10"};
            bytes += encodeRecord(d.desktop.program().cp932(), record);
        }
        writeBytes(d.dir.path() / "kojinfl2.txt", bytes);
        QTest::mouseClick(d.widget<QPushButton>(ScreenId::baio, "Command2"), Qt::LeftButton);

        QStringList pages;
        auto readPage = [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QVERIFY(d.window(ScreenId::hyouji).isVisible());
            pages << box->text() + ":" +
                         d.widget<QLineEdit>(ScreenId::hyouji, "Text2(0)")->text().trimmed();
            box->accept();
        };
        onNextModal([&](QWidget* first) {
            readPage(first);
            onNextModal(readPage);
        });
        QTest::mouseClick(d.widget<QPushButton>(ScreenId::menyu, "Command5"), Qt::LeftButton);
        // Full pages wait for the user; the last, short one simply stays.
        QCOMPARE(pages, (QStringList{"次へ:P1", "次へ:P11"}));
        QCOMPARE(d.widget<QLineEdit>(ScreenId::hyouji, "Text2(0)")->text().trimmed(),
                 QStringLiteral("P21"));
        QVERIFY(d.window(ScreenId::menyu).isVisible());  // hyouji shows over the menu
    }

    void sindanHasItsBackgroundAndFonts() {
        Desktop d;
        typeWorkedExample(d);
        ScreenWindow& sindan = d.window(ScreenId::sindan);
        const QImage image = sindan.grab().toImage();
        // Between the list and the picture, left of Text3, nothing but background.
        const int menuBar = sindan.height() - pixels(8265, sindan);
        QCOMPARE(image.pixelColor(pixels(200, sindan), menuBar + pixels(4000, sindan)),
                 QColor(255, 224, 192));
        auto* weekday = d.widget<QLineEdit>(ScreenId::sindan, "Text1");
        QCOMPARE(QFontInfo(weekday->font()).family(), QStringLiteral("IPAGothic"));
        QCOMPARE(weekday->font().pointSizeF(), 11.25);
        QVERIFY(weekday->font().bold());
    }

    // Ten persons and the first line fit without scrolling; those on a caution
    // day stand out in red.
    void itiranShowsTenPersonsWithCautionInRed() {
        Desktop d;
        std::string bytes;
        const Cp932 codec;
        for (int k = 1; k <= 10; ++k) {
            const bool reiwa = k % 2 == 0;  // 令和 2-3-15: intellect on a caution day
            bytes += encodeRecord(
                codec, {std::to_string(k), reiwa ? "令和太郎" : "ＡＢＣＤ", reiwa ? "令和" : "昭和",
                        reiwa ? "2" : "38", reiwa ? "3" : "5", reiwa ? "15" : "10"});
        }
        writeBytes(d.dir.path() / kRegisterFileName, bytes);
        goFromMenu(d, "Command7");
        auto* list = d.widget<QListWidget>(ScreenId::itiran, "List1");
        QVERIFY(d.window(ScreenId::itiran).isVisible());
        QCOMPARE(list->count(), 11);
        QVERIFY(list->visualItemRect(list->item(10)).bottom() < list->viewport()->height());
        QCOMPARE(list->item(1)->foreground().color(), list->palette().color(QPalette::Text));
        QCOMPARE(list->item(2)->foreground().color(), QColor(255, 0, 0));
    }

    // Every button's caption fits inside it, with the style's margins, at
    // 100 % and at 200 % (twice the logical resolution: the font and the twips
    // grow, the margins do not).
    void buttonCaptionsFit_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<double>("scale");
        for (ScreenId id : kAllScreens)
            for (double scale : {1.0, 2.0})
                QTest::addRow("%s %d%%", std::string(screenName(id)).c_str(), int(scale * 100))
                    << id << scale;
    }

    void buttonCaptionsFit() {
        QFETCH(ScreenId, id);
        QFETCH(double, scale);
        const ScreenDesign& design = screenDesign(id);
        const QPushButton button;
        const int margins = button.style()->pixelMetric(QStyle::PM_ButtonMargin) +
                            2 * button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        for (const ControlDesign& control : design.controls) {
            if (control.kind != ControlKind::CommandButton) continue;
            QFont font = qtFont(control.font.value_or(design.font));
            font.setPointSizeF(font.pointSizeF() * scale);
            const QString caption = QString::fromStdString(control.caption);
            const int needed = QFontMetrics(font).horizontalAdvance(caption) + margins;
            const int width = pixelRect(control.rect, button.logicalDpiX() * scale).width;
            QVERIFY2(needed <= width,
                     qPrintable(QString("%1: %2 > %3").arg(caption).arg(needed).arg(width)));
        }
    }

    // The login notice's box: its caption fits beside the other controls (the
    // test runs at 200 % too), and a click writes the login item.
    void itiranLoginBoxFitsAndWritesTheLoginItem() {
        Desktop d;
        goFromMenu(d, "Command7");
        auto* box = d.widget<QCheckBox>(ScreenId::itiran, "Check1");
        QVERIFY(!box->isChecked());
        QVERIFY(box->sizeHint().width() <= box->width());
        QVERIFY(box->sizeHint().height() <= box->height());
        for (QWidget* other :
             box->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(other == box || !other->geometry().intersects(box->geometry()),
                     qPrintable(other->metaObject()->className()));

        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(d.screen(ScreenId::itiran).control("Check1").checked());
        QCOMPARE(std::distance(
                     std::filesystem::directory_iterator(d.dir.path() / "config" / "autostart"),
                     std::filesystem::directory_iterator()),
                 1);
    }

    // Every caption of every screen resolves to a face that has its glyphs.
    void captionsHaveNoMissingGlyphs_data() {
        QTest::addColumn<ScreenId>("id");
        for (ScreenId id : kAllScreens) QTest::newRow(std::string(screenName(id)).c_str()) << id;
    }

    void captionsHaveNoMissingGlyphs() {
        QFETCH(ScreenId, id);
        const ScreenDesign& design = screenDesign(id);
        for (const ControlDesign& control : design.controls) {
            const QFont font = qtFont(control.font.value_or(design.font));
            const QFontMetrics metrics(font);
            const QString caption = QString::fromStdString(control.caption);
            for (char32_t ch : caption.toUcs4())
                if (ch != U' ')
                    QVERIFY2(metrics.inFontUcs4(ch),
                             qPrintable(QString("%1 of %2 in %3")
                                            .arg(QString::fromUcs4(&ch, 1), caption,
                                                 QFontInfo(font).family())));
            QVERIFY(QFontInfo(font).family().startsWith(QStringLiteral("IPA")));
        }
    }
};

QTEST_MAIN(ViewTest)
#include "view_test.moc"
