// The application object running its event loop: the menu's items and the
// preferences command, which widens the calendar or opens "設定".
#include "app/app.h"
#include "app/menu.h"
#include "app/single_instance.h"
#include "mainwindow/window1.h"
#include "settings/window2.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstring>

extern "C" const char *__lsan_default_suppressions();
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n"
           "leak:libfontconfig.so\n";
}

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

TEST(Menu, ItemsAndShortcuts)
{
    const app::Menu menu;
    EXPECT_EQ(menu.fileMenu()->objectName(), "FIle");
    EXPECT_EQ(menu.fileMenu()->actions().value(0), menu.My_Pref());
    EXPECT_EQ(menu.My_Pref()->objectName(), "My_Pref");
    EXPECT_EQ(menu.My_Pref()->text(), QString::fromUtf8("環境設定..."));
    EXPECT_EQ(menu.My_Pref()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    EXPECT_EQ(menu.quitAction()->text(), QString::fromUtf8("終了"));
    EXPECT_EQ(menu.quitAction()->shortcut(), QKeySequence(QKeySequence::Quit));
    const QList<QAction *> items = menu.contextMenu()->actions();
    EXPECT_TRUE(items.contains(menu.My_Pref()));
    EXPECT_TRUE(items.contains(menu.quitAction()));
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
    w->PushButton2_Action();
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
