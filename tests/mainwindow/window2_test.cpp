// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences window "設定" and how it keeps the main window in step.
#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "mainwindow/window1.h"
#include "platform/color_picker.h"
#include "window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>

namespace
{

using mainwindow::Rect;
using mainwindow::Window1;
using mainwindow::Window2;
using namespace testing_support;
using mainwindow::SettingsArea;

class Window2Test : public WindowFixture
{
protected:
    // Opens the main window on the settings file given as text (none when empty),
    // then the preferences window.
    Window2 &openBoth(const QByteArray &settingsText = {})
    {
        if (!settingsText.isEmpty())
            writeFile(settingsText);
        WindowFixture::open();
        return reopen();
    }

    Window2 &reopen()
    {
        window->openWindow2();
        Window2 *w2 = window->window2();
        EXPECT_NE(w2, nullptr);
        return *w2;
    }
};

TEST_F(Window2Test, OpensAsAModalWindowTitledSettings)
{
    Window2 &w2 = openBoth();
    EXPECT_EQ(w2.windowTitle(), QString::fromUtf8("設定"));
    EXPECT_EQ(w2.size(), QSize(298, 329));
    EXPECT_TRUE(w2.isModal());
    EXPECT_TRUE(w2.isVisible());
    EXPECT_EQ(&reopen(), &w2) << "asking again gives the open window";
}

TEST_F(Window2Test, OpensWithTheMainWindowsModeAndTransparencyButNotItsBox)
{
    Window2 &w2 = openBoth(DayModeTileOn);
    EXPECT_EQ(checkedMode(w2.area()), 2);
    EXPECT_EQ(w2.area().Slider1->value(), 85);
    EXPECT_EQ(w2.area().TransText->text(), QStringLiteral("85"));
    EXPECT_EQ(window->store().Trans(), 85);
    EXPECT_FALSE(w2.area().CheckBox1->isChecked());
    EXPECT_TRUE(radiosEnabled(w2.area(), false));
    EXPECT_TRUE(window->settingsArea().CheckBox1->isChecked());
    EXPECT_EQ(dock.updates, 1) << "only the opening of the main window composed";
}

TEST_F(Window2Test, EveryModeShowsInBothPlaces)
{
    for (const int mode : { 0, 1, 2, 3 }) {
        SCOPED_TRACE(mode);
        Window2 &w2 = openBoth("44\n300\n255\n255\n255\nFalse\n85\nTrue\n" + QByteArray::number(mode) + "\n");
        EXPECT_EQ(checkedMode(window->settingsArea()), mode);
        EXPECT_EQ(checkedMode(w2.area()), mode);
    }
}

TEST_F(Window2Test, SettingsButtonPressedAndReleasedOpensItWithTheMode)
{
    writeFile(DayModeTileOn);
    WindowFixture::open();
    const QPoint button(80, 106);
    move(button);
    ASSERT_EQ(window->childAt(button), window->Canvas7);
    press(button);
    EXPECT_EQ(window->Canvas7->backdrop().cacheKey(), window->pictures().Set2().cacheKey());
    EXPECT_EQ(window->window2(), nullptr) << "opens on the release";
    release(button);
    EXPECT_EQ(window->Canvas7->backdrop().cacheKey(), window->pictures().Set().cacheKey());
    ASSERT_NE(window->window2(), nullptr);
    EXPECT_TRUE(window->window2()->isVisible());
    EXPECT_EQ(checkedMode(window->window2()->area()), 2);
}

TEST_F(Window2Test, ColourButtonColoursTheMainWindowOnly)
{
    Window2 &w2 = openBoth();
    const QColor own = w2.palette().color(QPalette::Window);
    bool visibleWhileOpen = true;
    QColor calendarWhileOpen;
    picker.answer = QColor(200, 220, 240);
    picker.previews = { QColor(1, 2, 3) };
    picker.whileOpen = [&] {
        visibleWhileOpen = w2.isVisible();
        calendarWhileOpen = window->palette().color(QPalette::Window);
    };
    QTest::mouseClick(w2.area().PushButton1, Qt::LeftButton);
    EXPECT_FALSE(visibleWhileOpen);
    EXPECT_EQ(calendarWhileOpen, QColor(1, 2, 3));
    EXPECT_TRUE(w2.isVisible());
    EXPECT_EQ(My_Col(*window), QColor(200, 220, 240));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(200, 220, 240));
    EXPECT_EQ(w2.palette().color(QPalette::Window), own);
    EXPECT_EQ(dock.updates, 0);

    picker.answer = std::nullopt;
    QTest::mouseClick(w2.area().PushButton1, Qt::LeftButton);
    EXPECT_EQ(My_Col(*window), QColor(200, 220, 240));
}

TEST_F(Window2Test, DialogsStackAboveTheCalendarAndComeBackWhereLeft)
{
    Window2 &w2 = openBoth();
    // Moved by the user through the window manager, not by the program.
    w2.windowHandle()->setFramePosition({ 400, 300 });
    QCoreApplication::processEvents();
    const QPoint at = w2.pos();
    ASSERT_EQ(at, QPoint(400, 300));
    QTest::mouseClick(w2.area().PushButton1, Qt::LeftButton);
    EXPECT_EQ(w2.pos(), at);

    platform::QtColorPicker colourDialog;
    Qt::WindowFlags colourFlags;
    QTimer::singleShot(0, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<QColorDialog *>(widget); dialog && dialog->isVisible()) {
                colourFlags = dialog->windowFlags();
                dialog->setCurrentColor(Qt::blue);
                dialog->close();
            }
        }
    });
    QColor colour(Qt::red);
    QColor previewed;
    EXPECT_FALSE(colourDialog.SelectColor(colour, QStringLiteral("prompt"), [&](const QColor &c) { previewed = c; }));
    EXPECT_EQ(colour, QColor(Qt::red));
    EXPECT_EQ(previewed, QColor(Qt::blue));
    for (const Qt::WindowFlags flags : { w2.windowFlags(), colourFlags })
        EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint)) << flags;
}

TEST_F(Window2Test, SaveWritesTheMainWindowsFileAndLeavesThisWindowOpen)
{
    Window2 &w2 = openBoth(DayModeTileOn);
    window->settingsArea().PushButton3_Action();
    const QByteArray fromMainWindow = readFile();
    ASSERT_FALSE(fromMainWindow.isEmpty());
    QFile::remove(path);

    window->My_Pref();
    ASSERT_EQ(window->width(), 392);
    QTest::mouseClick(w2.area().PushButton3, Qt::LeftButton);
    EXPECT_EQ(readFile(), fromMainWindow);
    EXPECT_EQ(window->windowRect(), (Rect { 300, 44, 102, 114 }));
    EXPECT_TRUE(w2.isVisible());
}

TEST_F(Window2Test, SaveFromTheTileLeavesTheTile)
{
    Window2 &w2 = openBoth("44\n300\n255\n250\n240\nTrue\n85\nTrue\n2\n");
    const QRect tile = window->geometry();
    ASSERT_EQ(tile.size(), QSize(19, 14));
    QTest::mouseClick(w2.area().PushButton3, Qt::LeftButton);
    EXPECT_EQ(window->geometry(), tile);
    EXPECT_TRUE(window->DayTxt->isVisible());
    EXPECT_TRUE(readFile().startsWith("44\n300\n"));
}

TEST_F(Window2Test, CloseButtonDiscardsTheWindow)
{
    Window2 &w2 = openBoth();
    const QPointer<Window2> guard(&w2);
    QTest::mouseClick(w2.area().PushButton2, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(window->window2(), nullptr);

    Window2 &again = reopen();
    EXPECT_FALSE(again.area().CheckBox1->isChecked());
    EXPECT_TRUE(radiosEnabled(again.area(), false));
}

TEST_F(Window2Test, ReopenedItShowsTheTransparencyItWasLeftAt)
{
    Window2 &w2 = openBoth(DayModeTileOn);
    w2.area().Slider1->setValue(71);
    w2.area().PushButton2_Action();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Window2 &again = reopen();
    EXPECT_EQ(again.area().Slider1->value(), 71);
    EXPECT_EQ(again.area().TransText->text(), QStringLiteral("71"));
    EXPECT_EQ(window->store().Trans(), 71);
}

} // namespace
