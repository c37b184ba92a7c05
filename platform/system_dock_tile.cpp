#include "platform/system_dock_tile.h"

#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace platform
{

SystemDockTile::SystemDockTile(QIcon normalIcon, QObject *parent)
    : QObject(parent)
    , m_normalIcon(std::move(normalIcon))
{
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
    const QIcon icon(QPixmap::fromImage(tile));
    QApplication::setWindowIcon(icon);
#ifndef Q_OS_MACOS
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(this);
        if (m_menu)
            m_tray->setContextMenu(m_menu);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if ((reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) && activated)
                activated();
        });
    }
    m_tray->setIcon(icon);
    m_tray->setToolTip(toolTip);
    m_tray->show();
#else
    Q_UNUSED(toolTip);
#endif
}

void SystemDockTile::ResetIcon()
{
    QApplication::setWindowIcon(m_normalIcon);
    delete m_tray;
    m_tray = nullptr;
}

} // namespace platform
