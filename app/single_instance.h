// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <string>

namespace app
{

// What a later start hands to the running Lumo: the ids its launcher gave it,
// which let the running calendar come to the front where a window manager
// refuses a raise without a user's timestamp.
struct Activation {
    QByteArray startupId; // DESKTOP_STARTUP_ID (X11)
    QByteArray activationToken; // XDG_ACTIVATION_TOKEN (Wayland)

    // The request as sent on the socket, and back; unknown lines are ignored.
    QByteArray encode() const;
    static Activation decode(const QByteArray &request);
};

// One Lumo per user and host. The first start holds an flock on a lock file
// and listens on a Unix socket, both in a folder only the user can enter; a
// later start connects, hands over its Activation, waits for the answer and
// ends. The kernel drops the lock when its holder dies, so a lock that can be
// taken is never in use, whatever the file holds. Both sides check that the
// other end is the same user. Plain POSIX: claim() runs before the application
// object exists.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Claim {
        First, // this process runs the calendar
        HandedOver, // another Lumo runs and answered
        NoAnswer, // another Lumo holds the lock but did not answer in time
    };

    // folder: where the lock and socket live; empty for privateFolder().
    explicit SingleInstance(QString folder = {}, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Gives up after about seven seconds at most. A folder that cannot hold
    // a lock (full, unwritable) makes this process run rather than refuse.
    Claim claim(const Activation &request);

    // After a First claim, once the application object exists: answers later
    // starts from the event loop.
    void serve();

    QString lockPath() const;
    QString socketPath() const;

    // The user's runtime folder when it is the user's own with mode 0700;
    // otherwise a private one created under the user's cache folder. Empty
    // when neither can be had.
    static QString privateFolder();

signals:
    // A later start asked for the calendar.
    void activationRequested(const app::Activation &request);

private:
    void acceptAll();
    void listen();

    QString m_folder;
    int m_lockFd = -1;
    int m_serverFd = -1;
};

} // namespace app
