#include "single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace shell {
namespace {

constexpr int kAnswerWaitMs = 500;
const QByteArray kFrontRequest = "front\n";

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(kFrontRequest))
                    emit frontRequested();
            });
        }
    });
}

bool SingleInstance::askRunningCopyToFront() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kAnswerWaitMs))
        return false;
    socket.write(kFrontRequest);
    socket.waitForBytesWritten(kAnswerWaitMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen() {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(name_))
        return true;
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

QString SingleInstance::defaultName() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("TKRN10"));
}

} // namespace shell
