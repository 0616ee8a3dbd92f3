#include "desktop/login_notifier.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QObject>
#include <QProcess>
#include <QTimer>
#include <chrono>
#include <iostream>
#include <optional>

#include "overview/login_notice.h"
#include "shell/application_id.h"
#include "ui/system_clock.h"

namespace bio {

namespace {

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = kService;
constexpr const char* kDefaultAction = "default";

// The user has had time to see the notice; nobody waits longer for a click.
constexpr std::chrono::minutes kLongestWait{10};

void say(const QString& text) { std::cerr << "biorhythm: " << text.toStdString() << '\n'; }

QDBusMessage notificationCall(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

// The notification of one notice, and what the user does with it.
class NoticeWatch : public QObject {
    Q_OBJECT

  public:
    NoticeWatch(QDBusConnection bus, QStringList overviewArguments)
        : bus_(std::move(bus)), overviewArguments_(std::move(overviewArguments)) {}

    // Sends the notification; false when the service did not take it, which
    // has then been said.
    bool send(const LoginNotice& notice) {
        // Unicast to this connection, they may come as soon as the service
        // answers: listen first. Any sender: an activated service takes the
        // name only now.
        bus_.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                     SLOT(actionInvoked(uint, QString)));
        bus_.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                     SLOT(closed(uint, uint)));

        const QDBusMessage capabilities = bus_.call(notificationCall("GetCapabilities"));
        if (failed(capabilities)) return false;
        // A service that reads markup in the body would read "<" or "&" in a
        // name as markup.
        QString body = QString::fromStdString(notice.body());
        if (capabilities.arguments().value(0).toStringList().contains("body-markup"))
            body = body.toHtmlEscaped();

        QDBusMessage call = notificationCall(QStringLiteral("Notify"));
        call << QStringLiteral("バイオリズム診断") << 0U << QString(kApplicationId)
             << QString::fromStdString(notice.summary) << body
             << QStringList{QString(kDefaultAction), QStringLiteral("一覧を見る")}
             << QVariantMap{{"urgency", QVariant::fromValue<uchar>(1)},
                            {"desktop-entry", QString(kApplicationId)}}
             << -1;
        const QDBusMessage reply = bus_.call(call);
        if (failed(reply)) return false;
        id_ = reply.arguments().value(0).toUInt();
        return true;
    }

  private slots:
    void actionInvoked(uint id, const QString& key) {
        if (id != id_ || key != QLatin1String(kDefaultAction)) return;
        if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), overviewArguments_))
            say(QStringLiteral("一覧を開けませんでした。"));
        QCoreApplication::quit();
    }

    void closed(uint id, uint) {
        if (id == id_) QCoreApplication::quit();
    }

  private:
    static bool failed(const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ErrorMessage) return false;
        say(QStringLiteral("通知サービスに今日の要注意日を送れません（%1: %2）")
                .arg(reply.errorName(), reply.errorMessage().simplified()));
        return true;
    }

    QDBusConnection bus_;
    QStringList overviewArguments_;
    std::optional<uint> id_;
};

}  // namespace

int sendLoginNotice(int argc, char* argv[], const DesktopOptions& options,
                    const std::filesystem::path& dataDir) {
    // The register first: with nobody to tell, nothing of Qt is started.
    SystemClock clock;
    const auto notice = loginNotice(dataDir, clock.today());
    if (!notice) {
        say(QString::fromStdString(describe(notice.error())));
        return 0;
    }
    if (!*notice) return 0;

    QCoreApplication app(argc, argv);
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        say(QStringLiteral(
                "セッションバスに接続できないため、今日の要注意日を知らせられません（%1）")
                .arg(bus.lastError().message().simplified()));
        return 0;
    }
    // The overview opens on the register the notice was read from.
    QStringList overviewArguments{QStringLiteral("--overview")};
    if (options.dataDir)
        overviewArguments << QStringLiteral("--data-dir") << QFile::decodeName(dataDir.c_str());
    NoticeWatch watch(bus, overviewArguments);
    if (!watch.send(**notice)) return 0;
    QTimer::singleShot(kLongestWait, &app, &QCoreApplication::quit);
    QCoreApplication::exec();
    return 0;
}

}  // namespace bio

#include "login_notifier.moc"
