// One copy of the game at a time: the first copy takes an exclusive lock on a file beside a
// local socket named after the main window's class, and holds it for its whole run; a later
// copy that finds the lock taken asks the first, on the socket, to come to the front and ends.
// The lock decides: two copies started at the same moment cannot both win, and the system
// releases it when a copy ends, however it ends.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace shell {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // name: a socket name or a full socket path.
    explicit SingleInstance(QString name, QObject* parent = nullptr);

    ~SingleInstance() override;

    // Take the lock of the one running copy: true when this copy is the one. When the lock
    // file cannot be made at all, a copy answering on the socket decides instead.
    bool claim();

    // True when another copy answers on the socket within `waitMs`; it has been asked to come
    // to the front. (The copy holding the lock may still be starting up: it is waited for.)
    bool askRunningCopyToFront(int waitMs = 500);

    // Start answering later copies (a socket left behind by a crashed copy is replaced).
    bool listen();

    // The socket path of this user's game: "TKRN10" in the user's runtime folder.
    static QString defaultName();

  signals:
    // A later copy asked this one to come to the front.
    void frontRequested();

  private:
    QString name_;
    QLocalServer server_;
    int lockFd_ = -1;
};

} // namespace shell
