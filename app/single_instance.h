// One copy of the game at a time: the first copy listens on a local socket named after the
// main window's class; a later copy finds it there, asks it to come to the front and ends.
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

    // True when another copy answers on the socket; it has been asked to come to the front.
    bool askRunningCopyToFront();

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
};

} // namespace shell
