#pragma once

#include "platform/dock_tile.h"

#include <QIcon>
#include <QObject>
#include <QPointer>

#include <functional>

class QMenu;
class QSystemTrayIcon;

namespace platform
{

// The application icon shows the tile (the Dock tile on macOS, the task bar
// elsewhere). Where a system tray is available outside macOS, a tray icon shows
// it too, since the floating calendar has no task-bar entry of its own.
class SystemDockTile final : public QObject, public DockTile
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

private:
    QIcon m_normalIcon;
    QPointer<QMenu> m_menu;
    QSystemTrayIcon *m_tray = nullptr;
};

} // namespace platform
