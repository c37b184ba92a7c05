// SPDX-License-Identifier: GPL-3.0-or-later
// The application tile: the window icon shows the composed picture until it is reset;
// which clicks on the tray icon bring the calendar back.
#include "platform/system_dock_tile.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>

namespace
{

QImage iconImage(QSize size)
{
    return QApplication::windowIcon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(SystemDockTile, ShowsTheTileAsTheApplicationIconUntilReset)
{
    QPixmap normal(32, 32);
    normal.fill(QColor(10, 20, 30));
    QApplication::setWindowIcon(QIcon(normal));
    platform::SystemDockTile tile { QIcon(normal) };

    QImage picture(128, 128, QImage::Format_ARGB32);
    picture.fill(QColor(255, 250, 240));
    picture.setPixelColor(100, 5, QColor(200, 0, 0));
    tile.UpdateNow(picture, QStringLiteral("2014年12月8日(月)"));
    EXPECT_EQ(iconImage({ 128, 128 }), picture);
    // Only where the platform offers a tray (not offscreen) is there a tray icon to remove.
    EXPECT_EQ(tile.findChildren<QSystemTrayIcon *>().size(), QSystemTrayIcon::isSystemTrayAvailable() ? 1 : 0);

    tile.ResetIcon();
    EXPECT_EQ(iconImage({ 32, 32 }), normal.toImage().convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(tile.findChildren<QSystemTrayIcon *>().isEmpty());
}

TEST(SystemDockTile, OnlyALeftOrADoubleClickBringsTheCalendarBack)
{
    // clang-format off
    const struct {
        QSystemTrayIcon::ActivationReason reason;
        bool bringsBack;
    } rows[] = {
        {QSystemTrayIcon::Trigger, true}, {QSystemTrayIcon::DoubleClick, true},
        {QSystemTrayIcon::Context, false}, {QSystemTrayIcon::MiddleClick, false}, {QSystemTrayIcon::Unknown, false},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(platform::SystemDockTile::bringsBack(row.reason), row.bringsBack) << row.reason;
}

TEST(SystemDockTile, TheXScreenIsTheNumberAfterTheDisplaysDot)
{
    // clang-format off
    const struct {
        const char *display;
        int screen;
    } rows[] = {
        {":0", 0}, {":0.1", 1}, {":10.2", 2}, {"host:3.12", 12}, {"host.example:1", 0},
        {"host.example:1.2", 2}, {"", 0}, {"0.1", 0},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(platform::xScreenNumber(row.display), row.screen) << row.display;
}

} // namespace
