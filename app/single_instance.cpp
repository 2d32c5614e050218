#include "single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace shell {
namespace {

constexpr int kAnswerWaitMs = 500;
constexpr int kRetryMs = 50;
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

SingleInstance::~SingleInstance() {
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

bool SingleInstance::claim() {
    if (lockFd_ < 0) {
        const QByteArray path = QFile::encodeName(name_ + QStringLiteral(".lock"));
        lockFd_ = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (lockFd_ < 0)
            return !askRunningCopyToFront();
    }
    int result = 0;
    while ((result = ::flock(lockFd_, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    return result == 0;
}

bool SingleInstance::askRunningCopyToFront(int waitMs) {
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(name_);
        if (socket.waitForConnected(kAnswerWaitMs)) {
            socket.write(kFrontRequest);
            socket.waitForBytesWritten(kAnswerWaitMs);
            socket.disconnectFromServer();
            return true;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kRetryMs);
    }
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
