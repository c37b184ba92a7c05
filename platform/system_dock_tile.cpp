#include "platform/system_dock_tile.h"

#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>

namespace platform
{

SystemDockTile::SystemDockTile(QIcon normalIcon, QObject *parent)
    : QObject(parent)
    , m_normalIcon(std::move(normalIcon))
{
    m_trayWait = new QTimer(this);
    m_trayWait->setInterval(1000);
    connect(m_trayWait, &QTimer::timeout, this, &SystemDockTile::showTrayIcon);
}

SystemDockTile::~SystemDockTile()
{
    delete m_tray;
}

void SystemDockTile::setMenu(QMenu *menu)
{
    m_menu = menu;
    if (m_tray)
        m_tray->setContextMenu(menu);
}

void SystemDockTile::UpdateNow(const QImage &tile, const QString &toolTip)
{
    m_icon = QIcon(QPixmap::fromImage(tile));
    m_toolTip = toolTip;
    QApplication::setWindowIcon(m_icon);
#ifndef Q_OS_MACOS
    showTrayIcon();
#endif
}

void SystemDockTile::showTrayIcon()
{
    // Qt docks a tray icon only into a tray that exists when the icon is shown.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        m_trayWait->start();
        return;
    }
    m_trayWait->stop();
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(this);
        if (m_menu)
            m_tray->setContextMenu(m_menu);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if ((reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) && activated)
                activated();
        });
    }
    m_tray->setIcon(m_icon);
    m_tray->setToolTip(m_toolTip);
    m_tray->show();
}

void SystemDockTile::ResetIcon()
{
    m_trayWait->stop();
    QApplication::setWindowIcon(m_normalIcon);
    delete m_tray;
    m_tray = nullptr;
}

} // namespace platform
