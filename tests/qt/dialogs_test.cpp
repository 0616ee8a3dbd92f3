// The Qt dialogs: texts, titles, buttons and answers, and the windows brought
// up to date before each one opens.

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "desktop/qt_dialogs.h"
#include "desktop/qt_printer.h"
#include "qt_test_support.h"

using namespace bio;
using namespace bio::testing;

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void messageBoxShowsTextWithOkAndCancel_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("pressOk");
        QTest::newRow("empty title, OK") << QString() << true;
        QTest::newRow("warning title, Cancel") << QStringLiteral("誤り警告") << false;
    }

    void messageBoxShowsTextWithOkAndCancel() {
        QFETCH(QString, title);
        QFETCH(bool, pressOk);
        QtPrinter printer;
        QtDialogs dialogs(printer);
        int prepared = 0;
        dialogs.setBeforeOpening([&]() -> QWidget* {
            ++prepared;
            return nullptr;
        });
        onNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->text(), QStringLiteral("保存しました。"));
            QCOMPARE(box->windowTitle(), title);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->buttons().size(), 2);
            QCOMPARE(box->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
            QCOMPARE(box->button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
            QTest::mouseClick(box->button(pressOk ? QMessageBox::Ok : QMessageBox::Cancel),
                              Qt::LeftButton);
        });
        const Answer answer = dialogs.messageBox("保存しました。", title.toStdString());
        QCOMPARE(answer, pressOk ? Answer::Ok : Answer::Cancel);
        QCOMPARE(prepared, 1);
    }

    void escapeAnswersCancel() {
        QtPrinter printer;
        QtDialogs dialogs(printer);
        onNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(dialogs.messageBox("次へ", ""), Answer::Cancel);
    }

    void inputBoxOffersItsDefault() {
        QtPrinter printer;
        QtDialogs dialogs(printer);
        onNextModal([](QWidget* modal) {
            auto* box = qobject_cast<QInputDialog*>(modal);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("検索氏名入力"));
            QCOMPARE(box->labelText(), QStringLiteral("検索する氏名"));
            QCOMPARE(box->textValue(), QStringLiteral("0"));
            auto* edit = box->findChild<QLineEdit*>();
            edit->selectAll();
            typeText(edit, QStringLiteral("山田"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(dialogs.inputBox("検索する氏名", "検索氏名入力", "0"),
                 std::optional<std::string>("山田"));
    }

    void inputBoxCancelGivesNothing() {
        QtPrinter printer;
        QtDialogs dialogs(printer);
        onNextModal([](QWidget* modal) {
            auto* box = qobject_cast<QInputDialog*>(modal);
            QVERIFY(box);
            QCOMPARE(box->cancelButtonText(), QStringLiteral("キャンセル"));
            box->reject();
        });
        QCOMPARE(dialogs.inputBox("検索する氏名", "検索氏名入力", "0"), std::nullopt);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
