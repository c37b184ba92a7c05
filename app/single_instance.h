#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace app
{

// One Lumo per user. The first start holds a lock file and listens on a local
// socket, both named after the user and kept in the user's runtime folder; a
// later start connects to that socket, which asks the running Lumo to come to
// the front, and ends. The lock makes two starts at once safe, and since a
// killed process holds no lock, its leftover lock file and socket are replaced.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Claim {
        First, // this process runs the calendar
        HandedOver, // another Lumo runs and was asked to come to the front
        NoAnswer, // another Lumo holds the lock but did not answer in time
    };

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // Gives up after a few seconds at most.
    Claim claim();

signals:
    // A later start asked for the calendar.
    void activationRequested();

private:
    void listen();

    QString m_socketPath;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace app
