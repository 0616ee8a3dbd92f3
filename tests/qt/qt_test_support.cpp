#include "qt_test_support.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace bio::testing {

void onNextModal(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start();
}

std::filesystem::path placeFileIn(const TempDir& dir) { return dir.path() / "window.ini"; }

Desktop::Desktop(const std::optional<std::filesystem::path>& placeFile)
    : desktop(dir.path(), dir.path() / "config", clock, placeFile.value_or(placeFileIn(dir))) {
    desktop.start();
}

void typeText(QWidget* widget, const QString& text) {
    // QTest::keyClicks takes Latin-1 only.
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void typeWorkedExample(Desktop& d) {
    typeText(d.widget<QLineEdit>(ScreenId::baio, "Text7"), QStringLiteral("ＡＢＣＤ"));
    QTest::mouseClick(d.widget<QRadioButton>(ScreenId::baio, "Option3"), Qt::LeftButton);
    QTest::keyClicks(d.widget<QLineEdit>(ScreenId::baio, "Text1"), QStringLiteral("38"));
    QTest::keyClicks(d.widget<QLineEdit>(ScreenId::baio, "Text2"), QStringLiteral("5"));
    QTest::keyClicks(d.widget<QLineEdit>(ScreenId::baio, "Text3"), QStringLiteral("10"));
    QTest::keyClick(d.widget<QLineEdit>(ScreenId::baio, "Text3"), Qt::Key_Return);
}

namespace {

QStringList verdictLines() {
    return {
        QStringLiteral("心の調子は，"),
        QStringLiteral("好調です！　気力旺盛，感も冴えています。"),
        QStringLiteral("頭脳の調子は，"),
        QStringLiteral("低調です！復習や記憶することに重きをおいた勉強をすると良いでしょう。"
                       "また，頭の休養が必要です。"),
        QStringLiteral("身体の調子は，"),
        QStringLiteral("低調です！スタミナ欠乏，過激な仕事，運動を避けてください"),
    };
}

}  // namespace

QStringList workedExampleListLines() {
    return QStringList{QStringLiteral("2026年12月7日について"),
                       QStringLiteral("ＡＢＣＤさんのバイオリズム診断をします。"),
                       QStringLiteral("生まれてから現在日までの日数は23222です。")} +
           verdictLines();
}

QStringList workedExamplePrintedLines() {
    return QStringList{QStringLiteral("ＡＢＣＤさんのバイオリズム診断をします。"),
                       QStringLiteral("感情：11知性:24身体:16")} +
           verdictLines();
}

}  // namespace bio::testing
