// SPDX-License-Identifier: GPL-3.0-or-later
// The application object running its event loop: the menu's items and the
// preferences command, which widens the calendar or opens "設定".
#include "app/app.h"
#include "app/menu.h"
#include "app/single_instance.h"
#include "mainwindow/settings_area.h"
#include "mainwindow/window1.h"
#include "mainwindow/window2.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstring>

namespace
{

mainwindow::Window1 *calendar()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<mainwindow::Window1 *>(w))
            return window;
    }
    return nullptr;
}

QAction *action(const QList<QAction *> &actions, const char *name)
{
    for (QAction *a : actions) {
        if (a->objectName() == QLatin1String(name))
            return a;
    }
    return nullptr;
}

#ifndef Q_OS_MACOS
TEST(App, CalendarOffersTheMenuOnRightClick)
{
    mainwindow::Window1 *w = calendar();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_NE(action(w->actions(), "My_Pref"), nullptr);
    EXPECT_NE(action(w->actions(), "FileQuit"), nullptr);
}
#endif

TEST(App, PreferencesFromTheCalendarWidenIt)
{
    mainwindow::Window1 *w = calendar();
    ASSERT_NE(w, nullptr);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_EQ(w->size(), QSize(392, 114));
    EXPECT_EQ(w->window2(), nullptr);
    w->settingsArea().PushButton2_Action();
}

TEST(App, PreferencesFromElsewhereOpenSettings)
{
    mainwindow::Window1 *w = calendar();
    ASSERT_NE(w, nullptr);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QAction *pref = action(w->actions(), "My_Pref");
    ASSERT_NE(pref, nullptr);
    pref->trigger(); // as from the tray icon's menu
    ASSERT_NE(w->window2(), nullptr);
    EXPECT_TRUE(w->window2()->isVisible());
    EXPECT_EQ(w->window2()->windowTitle(), QString::fromUtf8("設定"));
    EXPECT_EQ(w->size(), QSize(102, 114));
    w->window2()->close();
}

TEST(App, AlmanacItemAndTheStoreFollowEachOther)
{
    mainwindow::Window1 *w = calendar();
    ASSERT_NE(w, nullptr);
    QAction *koyomi = action(w->actions(), "koyomiAction");
    ASSERT_NE(koyomi, nullptr);
    const bool before = w->store().koyomiShown();
    koyomi->trigger();
    EXPECT_EQ(w->store().koyomiShown(), !before);
    w->store().setKoyomiShown(before);
    EXPECT_EQ(koyomi->isChecked(), before);
}

} // namespace

// Runs the tests inside the application's own event loop, in a home folder of
// its own so that no real settings file is read or written.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            return RUN_ALL_TESTS();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    for (const char *variable : { "HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "TMPDIR" })
        qputenv(variable, QFile::encodeName(home.path()));
    app::SingleInstance instance;
    if (instance.claim({}) != app::SingleInstance::Claim::First)
        return 1;
    app::App application(argc, argv);
    int result = 1;
    QTimer::singleShot(0, &application, [&result] {
        result = RUN_ALL_TESTS();
        QCoreApplication::exit(0);
    });
    application.run(instance);
    return result;
}
