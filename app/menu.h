// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

namespace app
{

// The menu: one menu "FIle" holding the preferences item "My_Pref", plus the
// platform's quit command. On macOS it is the native menu bar; elsewhere the
// calendar window and the tray icon offer the same actions as a context menu.
class Menu final : public QObject
{
    Q_OBJECT

public:
    explicit Menu(QObject *parent = nullptr);
    ~Menu() override;

    QMenu *fileMenu() const;
    QAction *My_Pref() const;
    // The checkable item "暦注を表示", beside the preferences item.
    QAction *koyomiAction() const;
    QAction *quitAction() const;
    // Brings the calendar back (to the front, un-minimised).
    QAction *showAction() const;
    // The tray icon's menu: the show command, the preferences and almanac items and the quit command.
    QMenu *contextMenu() const;

private:
    QMenu *m_file = nullptr;
    QAction *m_pref = nullptr;
    QAction *m_koyomi = nullptr;
    QAction *m_quit = nullptr;
    QAction *m_show = nullptr;
    QMenu *m_context = nullptr;
    QMenuBar *m_menuBar = nullptr;
};

} // namespace app
