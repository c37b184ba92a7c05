// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture of the calendar window's widget tests.
#pragma once

// A main window on fake platform services and a settings file in a temporary
// folder, for the widget tests of the calendar window.
#include "fakes.h"
#include "mainwindow/settings_area.h"
#include "mainwindow/window1.h"
#include "mainwindow/window2.h"
#include "settings/settings_file.h"
#include "test_helpers.h"

#include <QFile>
#include <QRadioButton>
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
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("Lumo prefs"));
    }

    QString settingsPath() const
    {
        return path;
    }

    void writeSettings(const settings::Settings &s)
    {
        ASSERT_TRUE(settings::writeSettingsFile(settingsPath(), s));
    }

    // The settings file as bytes: written as given, read back whole (empty when missing).
    void writeFile(const QByteArray &text)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(text), text.size());
    }
    QByteArray readFile() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // A new main window on the settings file, opened; then shown and exposed.
    std::unique_ptr<mainwindow::Window1> makeWindow(bool show = true)
    {
        auto w = std::make_unique<mainwindow::Window1>(
            mainwindow::Services { clock, screens, pictures, picker, dock }, settingsPath());
        w->Quit = [this] { ++quits; };
        w->Open();
        if (show) {
            w->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        }
        return w;
    }

    // The fixture's own window, replacing any earlier one.
    mainwindow::Window1 &open(bool show = true)
    {
        window.reset();
        window = makeWindow(show);
        return *window;
    }

    // The background colour in the store.
    static QColor My_Col(mainwindow::Window1 &w)
    {
        const settings::Colour c = w.store().My_Col();
        return QColor(c.red, c.green, c.blue);
    }

    // The selected tile mode of a settings area's radio buttons, -1 for none.
    static int checkedMode(const mainwindow::SettingsArea &w)
    {
        for (int i = 0; i < 4; ++i) {
            if (w.RadioButton1[static_cast<std::size_t>(i)]->isChecked())
                return i;
        }
        return -1;
    }

    static bool radiosEnabled(const mainwindow::SettingsArea &w, bool enabled)
    {
        for (const QRadioButton *b : w.RadioButton1) {
            if (b->isEnabled() != enabled)
                return false;
        }
        return true;
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
    QString path;
    int quits = 0;
    // Declared last, so that it goes before the services it refers to.
    std::unique_ptr<mainwindow::Window1> window;
};

} // namespace testing_support
