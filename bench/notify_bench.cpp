// The login notice, `biorhythm --notify`, for a register of 500 persons: from
// the start of the process to the notification reaching the notification
// service. The service is a stand-in on a private session bus, so that only
// the program is measured; it closes each notification at once, which ends
// the program.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <ctime>
#include <functional>
#include <stdexcept>
#include <string>

#include "register/record_layout.h"
#include "testing/program_fixture.h"

namespace {

constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = "org.freedesktop.Notifications";

// Notify and GetCapabilities, as a notification service answers them.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

  public:
    explicit NotificationService(QDBusConnection bus) : bus_(std::move(bus)) {}

    // Seconds from now to the next Notify; 0 when none comes within ten seconds.
    double secondsToNotify(const std::function<void()>& start) {
        notifiedAt_ = 0;
        clock_.start();
        start();
        QTimer::singleShot(10000, &waiting_, &QEventLoop::quit);
        waiting_.exec();
        return static_cast<double>(notifiedAt_) / 1e9;
    }

  public slots:
    QStringList GetCapabilities() { return {QStringLiteral("body"), QStringLiteral("actions")}; }

    uint Notify(const QString&, uint, const QString&, const QString&, const QString&,
                const QStringList&, const QVariantMap&, int) {
        notifiedAt_ = clock_.nsecsElapsed();
        const uint id = ++lastId_;
        // After the answer, when the program knows its notification's id.
        QTimer::singleShot(0, this, [this, id] {
            QDBusMessage closed =
                QDBusMessage::createSignal(kPath, kInterface, "NotificationClosed");
            closed << id << 3U;  // closed by a call: the program ends
            bus_.send(closed);
            waiting_.quit();
        });
        return id;
    }

  private:
    QDBusConnection bus_;
    QElapsedTimer clock_;
    QEventLoop waiting_;
    qint64 notifiedAt_ = 0;
    uint lastId_ = 0;
};

// 500 persons born on days spread over 昭和; the first born today, so that
// there is always someone on a caution day.
void writeFullRegister(const std::filesystem::path& dir) {
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    const bio::Cp932 codec;
    std::string bytes = bio::encodeRecord(
        codec, {"1", "今日　生子", "令和", std::to_string(today.tm_year + 1900 - 2018),
                std::to_string(today.tm_mon + 1), std::to_string(today.tm_mday)});
    for (int k = 2; k <= bio::kMaxRecords; ++k) {
        bytes +=
            bio::encodeRecord(codec, {std::to_string(k), "佐藤　花子" + std::to_string(k), "昭和",
                                      std::to_string(1 + k % 63), std::to_string(1 + k % 12),
                                      std::to_string(1 + k * 7 % 28)});
    }
    bio::testing::writeBytes(dir / bio::kRegisterFileName, bytes);
}

// A session bus of our own that starts no service by itself.
class PrivateBus {
  public:
    PrivateBus() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--config-file=" BIO_SESSION_BUS_CONF),
                       QStringLiteral("--print-address"), QStringLiteral("--nofork")});
        if (!daemon_.waitForReadyRead(10000)) throw std::runtime_error("no dbus-daemon");
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~PrivateBus() {
        daemon_.terminate();
        daemon_.waitForFinished();
    }
    const QString& address() const { return address_; }

  private:
    QProcess daemon_;
    QString address_;
};

void LoginNoticeFullRegister(benchmark::State& state) {
    int argc = 1;
    char name[] = "notify_bench";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    bio::testing::TempDir data;
    writeFullRegister(data.path());

    PrivateBus bus;
    QDBusConnection connection = QDBusConnection::connectToBus(bus.address(), "bench");
    NotificationService service(connection);
    if (!connection.registerObject(kPath, &service, QDBusConnection::ExportAllSlots) ||
        !connection.registerService(kInterface))
        throw std::runtime_error("cannot stand in for the notification service");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
    auto notifyOnce = [&] {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setStandardOutputFile(QProcess::nullDevice());
        program.setStandardErrorFile(QProcess::nullDevice());
        const double seconds = service.secondsToNotify([&] {
            program.start(BIO_DESKTOP_PROGRAM,
                          {"--notify", "--data-dir", QString::fromStdString(data.path().string())});
        });
        program.waitForFinished();
        if (seconds == 0 || program.exitCode() != 0)
            throw std::runtime_error("biorhythm --notify did not notify");
        return seconds;
    };

    notifyOnce();  // untimed: the libraries into the page cache
    double total = 0;
    for (auto _ : state) {
        const double seconds = notifyOnce();
        state.SetIterationTime(seconds);
        total += seconds;
    }
    state.counters["notify_ms"] = 1000 * total / static_cast<double>(state.iterations());
}

}  // namespace

BENCHMARK(LoginNoticeFullRegister)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

#include "notify_bench.moc"
