#pragma once

// A main window on fake platform services and a settings file in a temporary
// folder, for the widget tests of the calendar window.
#include "fakes.h"
#include "mainwindow/window1.h"
#include "settings/module1.h"
#include "settings/settings_file.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace testing_support
{

class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Module1::resetForLaunch();
        ASSERT_TRUE(dir.isValid());
    }

    QString settingsPath() const
    {
        return dir.filePath(QStringLiteral("Lumo prefs"));
    }

    void writeSettings(const settings::Settings &s)
    {
        ASSERT_TRUE(settings::writeSettingsFile(settingsPath(), s));
    }

    // Builds the window and opens it; then shows it and waits until it is exposed.
    mainwindow::Window1 &open(bool show = true)
    {
        window = std::make_unique<mainwindow::Window1>(
            mainwindow::Services { clock, screens, pictures, picker, dock }, settingsPath());
        window->Quit = [this] { ++quits; };
        window->Open();
        if (show) {
            window->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        }
        return *window;
    }

    // Mouse events through the window system, in window coordinates: the press
    // goes to the widget under the pointer and the release to the one that got the press.
    void press(QPoint at)
    {
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, at);
    }
    void release(QPoint at)
    {
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, at);
    }
    void click(QPoint at)
    {
        press(at);
        release(at);
    }
    void move(QPoint at)
    {
        QTest::mouseMove(window->windowHandle(), at);
    }

    FakeClock clock { QDate(2014, 12, 8) };
    FakeScreens screens { QSize(1440, 900) };
    FakePictures pictures;
    FakeColorPicker picker;
    FakeDockTile dock;
    QTemporaryDir dir;
    int quits = 0;
    // Declared last, so that it goes before the services it refers to.
    std::unique_ptr<mainwindow::Window1> window;
};

} // namespace testing_support
