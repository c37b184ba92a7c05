// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace app
{

Menu::Menu(QObject *parent)
    : QObject(parent)
{
    m_file = new QMenu();
    m_file->setObjectName(QStringLiteral("FIle"));

    m_pref = new QAction(QString::fromUtf8("環境設定..."), this);
    m_pref->setObjectName(QStringLiteral("My_Pref"));
    // Cmd+, on macOS, Ctrl+, elsewhere.
    m_pref->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    m_pref->setMenuRole(QAction::PreferencesRole);
    m_file->addAction(m_pref);

    // The almanac in the day tooltips, off until the user turns it on.
    m_koyomi = new QAction(QString::fromUtf8("暦注を表示"), this);
    m_koyomi->setObjectName(QStringLiteral("koyomiAction"));
    m_koyomi->setCheckable(true);

    m_quit = new QAction(QString::fromUtf8("終了"), this);
    m_quit->setObjectName(QStringLiteral("FileQuit"));
    m_quit->setShortcut(QKeySequence::Quit);
    m_quit->setMenuRole(QAction::QuitRole);

    m_show = new QAction(QString::fromUtf8("カレンダーを表示"), this);

    m_context = new QMenu();
    m_context->addAction(m_show);
    m_context->addSeparator();
    m_context->addAction(m_pref);
    m_context->addAction(m_koyomi);
    m_context->addSeparator();
    m_context->addAction(m_quit);

#ifdef Q_OS_MACOS
    // A parentless menu bar is the application's global menu bar.
    m_menuBar = new QMenuBar(nullptr);
    m_file->setTitle(QStringLiteral("FIle"));
    m_file->addAction(m_koyomi);
    m_file->addAction(m_quit);
    m_menuBar->addMenu(m_file);
#endif
}

Menu::~Menu()
{
    delete m_menuBar;
    delete m_context;
    delete m_file;
}

QMenu *Menu::fileMenu() const
{
    return m_file;
}

QAction *Menu::My_Pref() const
{
    return m_pref;
}

QAction *Menu::koyomiAction() const
{
    return m_koyomi;
}

QAction *Menu::quitAction() const
{
    return m_quit;
}

QAction *Menu::showAction() const
{
    return m_show;
}

QMenu *Menu::contextMenu() const
{
    return m_context;
}

} // namespace app
