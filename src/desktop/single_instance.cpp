#include "desktop/single_instance.h"

#include <QApplication>
#include <QLocalSocket>
#include <QLockFile>
#include <iostream>

#include "platform/file.h"
#include "platform/path.h"
#include "platform/places.h"
#include "view/single_instance.h"

namespace bio {

namespace {

QString socketPath(const std::filesystem::path& dataDir) {
    return QString::fromStdString(utf8Text(sessionDir() / instanceName(dataDir)));
}

bool askRunningProgram(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    return socket.waitForConnected(kInstanceConnectMilliseconds);
}

}  // namespace

std::unique_ptr<SingleInstance> SingleInstance::claim(const std::filesystem::path& dataDir) {
    const QString name = socketPath(dataDir);
    // Two starts at once must not both find no program and each replace the
    // other's socket as one left behind. A start that keeps the lock longer
    // than that hangs: go on without it.
    QLockFile starting(name + QStringLiteral(".lock"));
    starting.tryLock(kInstanceConnectMilliseconds * 4);
    if (askRunningProgram(name)) return nullptr;
    auto instance = std::make_unique<SingleInstance>();
    QLocalServer::removeServer(name);
    // Without the name a later start cannot find this one and runs a second
    // program; that is worth a word, not worth refusing to start.
    if (!makeFolders(sessionDir()) || !instance->server_.listen(name))
        std::cerr << "biorhythm: " << instance->server_.errorString().toStdString() << "（"
                  << name.toStdString() << "）: ほかの起動を待ち受けられないため、"
                  << "このまま一つのプログラムとして動きます\n";
    return instance;
}

void SingleInstance::setOnAsked(std::function<void()> onAsked) {
    QObject::connect(&server_, &QLocalServer::newConnection, [this, onAsked = std::move(onAsked)] {
        while (QLocalSocket* asking = server_.nextPendingConnection()) asking->deleteLater();
        onAsked();
    });
}

void bringToFront(QWidget* window) {
    for (QWidget* shown : {window, QApplication::activeModalWidget()}) {
        if (!shown) continue;
        shown->setWindowState(shown->windowState() & ~Qt::WindowMinimized);
        shown->show();
        shown->raise();
        shown->activateWindow();
    }
}

}  // namespace bio
