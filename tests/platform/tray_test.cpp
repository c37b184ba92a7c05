// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon against real trays: on an X server and a session bus of the
// test's own, a tray of either kind that starts after the tile gets the icon,
// and one that goes and comes back gets it again. Qt picks the kind of its
// tray icons once per process: these check which icons the tile makes and
// when, not how Qt shows them.
#include "platform/system_dock_tile.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QThread>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{

// An XEmbed tray as a panel makes one: it owns _NET_SYSTEM_TRAY_S0 and tells
// every client so with a MANAGER message on the root window; it gives the
// selection up when it goes.
class XEmbedTray
{
public:
    XEmbedTray()
        : m_x(xcb_connect(nullptr, nullptr))
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root;
        const xcb_window_t window = xcb_generate_id(m_x);
        xcb_create_window(m_x, XCB_COPY_FROM_PARENT, window, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
            XCB_COPY_FROM_PARENT, 0, nullptr);
        const xcb_atom_t selection = atom("_NET_SYSTEM_TRAY_S0");
        xcb_set_selection_owner(m_x, window, selection, XCB_CURRENT_TIME);
        xcb_client_message_event_t manager {};
        manager.response_type = XCB_CLIENT_MESSAGE;
        manager.format = 32;
        manager.window = root;
        manager.type = atom("MANAGER");
        manager.data.data32[0] = XCB_CURRENT_TIME;
        manager.data.data32[1] = selection;
        manager.data.data32[2] = window;
        xcb_send_event(m_x, 0, root, XCB_EVENT_MASK_STRUCTURE_NOTIFY, reinterpret_cast<const char *>(&manager));
        xcb_flush(m_x);
    }
    ~XEmbedTray()
    {
        // Given up before the test looks again: the reply to the atom's lookup
        // comes after the server has done it.
        xcb_set_selection_owner(m_x, XCB_WINDOW_NONE, atom("_NET_SYSTEM_TRAY_S0"), XCB_CURRENT_TIME);
        atom("_NET_SYSTEM_TRAY_S0");
        xcb_disconnect(m_x);
    }
    XEmbedTray(const XEmbedTray &) = delete;
    XEmbedTray &operator=(const XEmbedTray &) = delete;

private:
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_x, xcb_intern_atom(m_x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t value = reply->atom;
        std::free(reply);
        return value;
    }

    xcb_connection_t *m_x;
};

// A StatusNotifierItem host on the session bus, there from when it owns its
// name until it has given it up.
class NotifierHost
{
public:
    explicit NotifierHost(const QStringList &options = {})
    {
        m_process.start(QStringLiteral("/usr/bin/python3"), QStringList { QStringLiteral(LUMO_SNI_WATCHER) } + options);
        waitForName(true);
    }
    ~NotifierHost()
    {
        m_process.terminate();
        m_process.waitForFinished();
        waitForName(false);
    }
    NotifierHost(const NotifierHost &) = delete;
    NotifierHost &operator=(const NotifierHost &) = delete;

private:
    static void waitForName(bool owned)
    {
        const QDeadlineTimer deadline(5000);
        while (QDBusConnection::sessionBus().interface()->isServiceRegistered(
                   QStringLiteral("org.kde.StatusNotifierWatcher"))
                != owned
            && !deadline.hasExpired())
            QThread::msleep(20);
    }

    QProcess m_process;
};

// The tile's tray icon, when it has one that is shown.
QSystemTrayIcon *shownIcon(const QObject &tile)
{
    const auto icons = tile.findChildren<QSystemTrayIcon *>();
    return icons.size() == 1 && icons.constFirst()->isVisible() ? icons.constFirst() : nullptr;
}

// Whether the icon is shown within a few seconds of events.
bool iconComes(const QObject &tile)
{
    const QDeadlineTimer deadline(5000);
    while (!shownIcon(tile) && !deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return shownIcon(tile) != nullptr;
}

template <class Tray> void followsTray()
{
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    QMenu menu;
    int activations = 0;
    platform::SystemDockTile tile { QIcon() };
    tile.activated = [&activations] { ++activations; };
    tile.UpdateNow(picture, QStringLiteral("1"));
    EXPECT_FALSE(shownIcon(tile));
    {
        const Tray tray;
        ASSERT_TRUE(iconComes(tile)) << "a tray started after the tile";
        tile.setMenu(&menu);
        EXPECT_EQ(shownIcon(tile)->contextMenu(), &menu);
        platform::SystemDockTile fresh { QIcon() };
        fresh.UpdateNow(picture, QStringLiteral("1"));
        EXPECT_TRUE(shownIcon(fresh)) << "a tray there from the start";
    }
    // Qt moves a shown icon to the next tray itself: it stays, with each new tile.
    tile.UpdateNow(picture, QStringLiteral("2"));
    ASSERT_TRUE(shownIcon(tile));
    EXPECT_EQ(shownIcon(tile)->toolTip(), QStringLiteral("2"));
    EXPECT_FALSE(shownIcon(tile)->icon().isNull());
    tile.ResetIcon();
    tile.UpdateNow(picture, QStringLiteral("3"));
    EXPECT_FALSE(shownIcon(tile)) << "the tray has gone";
    const Tray again;
    ASSERT_TRUE(iconComes(tile)) << "the tray came back";
    EXPECT_EQ(shownIcon(tile)->contextMenu(), &menu);
    Q_EMIT shownIcon(tile)->activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(activations, 1);
    Q_EMIT shownIcon(tile)->activated(QSystemTrayIcon::Context);
    EXPECT_EQ(activations, 1);
}

TEST(SystemDockTileTray, AnXEmbedTrayGetsTheIconWhenItComes)
{
    followsTray<XEmbedTray>();
}

TEST(SystemDockTileTray, AStatusNotifierHostGetsTheIconWhenItComes)
{
    followsTray<NotifierHost>();
}

TEST(SystemDockTileTray, AWatcherWithoutAHostGetsTheIconOnceAHostRegisters)
{
    platform::SystemDockTile tile { QIcon() };
    tile.UpdateNow(QImage(32, 32, QImage::Format_ARGB32), QStringLiteral("1"));
    const NotifierHost watcher({ QStringLiteral("--no-host") });
    // Time for the bus to tell the tile that the watcher is there.
    for (const QDeadlineTimer deadline(200); !deadline.hasExpired(); QThread::msleep(10))
        QApplication::processEvents();
    EXPECT_FALSE(shownIcon(tile));
    QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(QStringLiteral("org.kde.StatusNotifierWatcher"),
            QStringLiteral("/StatusNotifierWatcher"), QStringLiteral("org.kde.StatusNotifierWatcher"),
            QStringLiteral("RegisterStatusNotifierHost"))
        << QStringLiteral("host"));
    EXPECT_TRUE(iconComes(tile));
}

// Starts PROGRAM with ARGUMENTS, its output into a pipe; returns the pid and
// the first line it writes (empty when it ends first).
pid_t startReading(std::vector<std::string> arguments, std::string &line)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        // Ended with the test, even when the test crashes.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(out[1], 1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);
        std::vector<char *> argv;
        for (std::string &argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    line.clear();
    char c = 0;
    while (read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    close(out[0]);
    return pid;
}

void stop(pid_t pid)
{
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

} // namespace

// An Xvfb on the first free display (or of LUMO_E2E_DISPLAYS, "71 72", where
// several people share a machine) and a session bus, both ended at exit.
int main(int argc, char **argv)
{
    std::vector<std::string> displays { "any" };
    if (const char *wanted = std::getenv("LUMO_E2E_DISPLAYS"); wanted && *wanted) {
        displays.clear();
        for (const QByteArray &number : QByteArray(wanted).split(' '))
            if (!number.isEmpty())
                displays.push_back(number.toStdString());
    }
    pid_t xvfb = -1;
    std::string display;
    for (const std::string &number : displays) {
        std::vector<std::string> command { "Xvfb", "-displayfd", "1", "-screen", "0", "320x240x24", "-nolisten",
            "tcp" };
        if (number != "any")
            command.insert(command.begin() + 1, ":" + number);
        xvfb = startReading(command, display);
        if (!display.empty())
            break;
        stop(xvfb);
        xvfb = -1;
    }
    std::string bus;
    const pid_t daemon = startReading({ "dbus-daemon", "--session", "--nofork", "--print-address=1" }, bus);
    if (display.empty() || bus.empty()) {
        std::fprintf(stderr, "SKIP: Xvfb or dbus-daemon did not start\n");
        stop(daemon);
        stop(xvfb);
        return 77;
    }
    setenv("DISPLAY", (":" + display).c_str(), 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", bus.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("WAYLAND_DISPLAY");
    int rc = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        rc = RUN_ALL_TESTS();
    }
    stop(daemon);
    stop(xvfb);
    return rc;
}
