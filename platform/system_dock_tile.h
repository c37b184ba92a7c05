// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dock_tile.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <cstdint>
#include <functional>

class QDBusServiceWatcher;
class QMenu;

namespace platform
{

// The X screen a DISPLAY value names: the number after the dot (":0.1" gives 1), 0 without one.
int xScreenNumber(const QByteArray &display);

// The application icon shows the tile (the Dock tile on macOS, the task bar
// elsewhere). Outside macOS a tray icon shows it too, as soon as a system tray
// is there, of either kind: an X11 (XEmbed) tray, or a StatusNotifierItem host
// on the session bus (KDE Plasma, GNOME's AppIndicator extension). A tray that
// starts after Lumo (a panel still loading at login) gets it as soon as the
// tray announces itself.
// Once shown, Qt moves the icon to a restarted tray itself.
class SystemDockTile final : public QObject, public DockTile, private QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    explicit SystemDockTile(QIcon normalIcon, QObject *parent = nullptr);
    ~SystemDockTile() override;

    void UpdateNow(const QImage &tile, const QString &toolTip) override;
    void ResetIcon() override;

    // The tray icon's context menu, and what a click on it does.
    void setMenu(QMenu *menu);
    std::function<void()> activated;
    // Whether a click of this kind on the tray icon calls activated: a left or a
    // double click; a right click only opens the menu.
    static bool bringsBack(QSystemTrayIcon::ActivationReason reason);

private Q_SLOTS:
    void hostCame();
    void showTrayIcon();

private:
    void watchHost();
    void waitForTray();
    void stopWaiting();
    bool trayPresent() const;
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    QIcon m_normalIcon;
    QIcon m_icon;
    QString m_toolTip;
    QPointer<QMenu> m_menu;
    QSystemTrayIcon *m_tray = nullptr;
    // Watching for a tray while the tile is shown and no tray icon could be made.
    bool m_waiting = false;
    std::uint32_t m_managerAtom = 0;
    std::uint32_t m_selectionAtom = 0;
    QDBusServiceWatcher *m_hostWatch = nullptr;
    bool m_hostUp = false;
};

} // namespace platform
