// The preferences window "設定" and how it keeps the main window in step.
#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "mainwindow/window1.h"
#include "platform/color_picker.h"
#include "settings/module1.h"
#include "settings/window2.h"
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
using settings::Window2;
using namespace testing_support;

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

const QByteArray DayModeTileOn("44\n300\n255\n250\n240\nFalse\n85\nTrue\n2\n");

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
    EXPECT_EQ(checkedMode(w2), 2);
    EXPECT_EQ(w2.Slider1->value(), 85);
    EXPECT_EQ(w2.TransText->text(), QStringLiteral("85"));
    EXPECT_EQ(Module1::Trans, 85);
    EXPECT_FALSE(w2.CheckBox1->isChecked());
    EXPECT_TRUE(radiosEnabled(w2, false));
    EXPECT_TRUE(window->CheckBox1->isChecked());
    EXPECT_EQ(dock.updates, 1) << "only the opening of the main window composed";
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
    EXPECT_EQ(checkedMode(*window->window2()), 2);
}

TEST_F(Window2Test, ItsSliderSetsTheMainWindowsOpacity)
{
    Window2 &w2 = openBoth();
    QTest::keyClick(w2.Slider1, Qt::Key_PageDown);
    ASSERT_EQ(w2.Slider1->value(), 80);
    EXPECT_NEAR(window->windowOpacity(), 0.8, 1.0 / 255);
    EXPECT_DOUBLE_EQ(w2.windowOpacity(), 1.0);
}

TEST_F(Window2Test, TickingAndUntickingWriteThroughToTheMainWindow)
{
    Window2 &w2 = openBoth();
    w2.CheckBox1->setChecked(true);
    EXPECT_TRUE(window->CheckBox1->isChecked());
    EXPECT_TRUE(radiosEnabled(w2, true));
    EXPECT_TRUE(radiosEnabled(*window, true));
    EXPECT_EQ(dock.updates, 1);
    EXPECT_EQ(dock.resets, 0);

    w2.CheckBox1->setChecked(false);
    EXPECT_FALSE(window->CheckBox1->isChecked());
    EXPECT_TRUE(radiosEnabled(w2, false));
    EXPECT_TRUE(radiosEnabled(*window, false));
    EXPECT_GE(dock.resets, 1);
    EXPECT_EQ(dock.updates, 1);
}

TEST_F(Window2Test, ChoosingTheDayWithTheBoxTickedComposesTheDay)
{
    Window2 &w2 = openBoth();
    w2.CheckBox1->setChecked(true);
    const int composed = dock.updates;
    QTest::mouseClick(w2.RadioButton1[2], Qt::LeftButton);
    EXPECT_EQ(Module1::MyDock, 2);
    EXPECT_EQ(checkedMode(*window), 2);
    EXPECT_EQ(dock.updates, composed + 1);

    const QImage shown = dock.lastTile;
    window->Draw_Dock();
    EXPECT_EQ(shown, window->MyCanv);
    Module1::MyDock = 0;
    window->Draw_Dock();
    EXPECT_NE(shown, window->MyCanv) << "the day, not the month";
}

TEST_F(Window2Test, ChoosingAModeWithTheBoxUntickedOnlyFollows)
{
    Window2 &w2 = openBoth();
    for (int mode : { 1, 3, 0 }) {
        SCOPED_TRACE(mode);
        w2.RadioButton1[static_cast<std::size_t>(mode)]->setChecked(true);
        EXPECT_EQ(Module1::MyDock, mode);
        EXPECT_EQ(checkedMode(*window), mode);
    }
    EXPECT_EQ(dock.updates, 0);
}

TEST_F(Window2Test, ColourButtonColoursTheMainWindowOnly)
{
    Window2 &w2 = openBoth();
    const QColor own = w2.palette().color(QPalette::Window);
    bool visibleWhileOpen = true;
    picker.answer = QColor(200, 220, 240);
    picker.whileOpen = [&] { visibleWhileOpen = w2.isVisible(); };
    QTest::mouseClick(w2.PushButton1, Qt::LeftButton);
    EXPECT_FALSE(visibleWhileOpen);
    EXPECT_TRUE(w2.isVisible());
    EXPECT_EQ(Module1::My_Col, QColor(200, 220, 240));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(200, 220, 240));
    EXPECT_EQ(w2.palette().color(QPalette::Window), own);
    EXPECT_EQ(dock.updates, 0);

    picker.answer = std::nullopt;
    QTest::mouseClick(w2.PushButton1, Qt::LeftButton);
    EXPECT_EQ(Module1::My_Col, QColor(200, 220, 240));
}

TEST_F(Window2Test, DialogsStackAboveTheCalendarAndComeBackWhereLeft)
{
    Window2 &w2 = openBoth();
    // Moved by the user through the window manager, not by the program.
    w2.windowHandle()->setFramePosition({ 400, 300 });
    QCoreApplication::processEvents();
    const QPoint at = w2.pos();
    ASSERT_EQ(at, QPoint(400, 300));
    QTest::mouseClick(w2.PushButton1, Qt::LeftButton);
    EXPECT_EQ(w2.pos(), at);

    platform::QtColorPicker colourDialog;
    Qt::WindowFlags colourFlags;
    QTimer::singleShot(0, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QColorDialog *>(widget) && widget->isVisible()) {
                colourFlags = widget->windowFlags();
                widget->close();
            }
        }
    });
    QColor colour(Qt::red);
    EXPECT_FALSE(colourDialog.SelectColor(colour, QStringLiteral("prompt")));
    EXPECT_EQ(colour, QColor(Qt::red));
    for (const Qt::WindowFlags flags : { w2.windowFlags(), colourFlags })
        EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint)) << flags;
}

TEST_F(Window2Test, SaveWritesTheMainWindowsFileAndLeavesThisWindowOpen)
{
    Window2 &w2 = openBoth(DayModeTileOn);
    window->PushButton3_Action();
    const QByteArray fromMainWindow = readFile();
    ASSERT_FALSE(fromMainWindow.isEmpty());
    QFile::remove(path);

    window->My_Pref();
    ASSERT_EQ(window->width(), 392);
    QTest::mouseClick(w2.PushButton3, Qt::LeftButton);
    EXPECT_EQ(readFile(), fromMainWindow);
    EXPECT_EQ(window->windowRect(), (Rect { 300, 44, 102, 114 }));
    EXPECT_TRUE(w2.isVisible());
}

TEST_F(Window2Test, CloseButtonDiscardsTheWindow)
{
    Window2 &w2 = openBoth();
    const QPointer<Window2> guard(&w2);
    QTest::mouseClick(w2.PushButton2, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(window->window2(), nullptr);

    Window2 &again = reopen();
    EXPECT_FALSE(again.CheckBox1->isChecked());
    EXPECT_TRUE(radiosEnabled(again, false));
}

TEST_F(Window2Test, TransparencyStaysInStepAndSurvivesReopening)
{
    Window2 &w2 = openBoth(DayModeTileOn);
    w2.Slider1->setValue(71);
    EXPECT_EQ(window->Slider1->value(), 71);
    EXPECT_EQ(window->TransText->text(), QStringLiteral("71"));
    w2.PushButton2_Action();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Window2 &again = reopen();
    EXPECT_EQ(again.Slider1->value(), 71);
    EXPECT_EQ(again.TransText->text(), QStringLiteral("71"));
    EXPECT_EQ(Module1::Trans, 71);
    EXPECT_NEAR(window->windowOpacity(), 0.71, 1.0 / 255);

    window->Slider1->setValue(64);
    EXPECT_EQ(again.Slider1->value(), 64);
    EXPECT_EQ(again.TransText->text(), QStringLiteral("64"));
    EXPECT_EQ(Module1::Trans, 64);
}

} // namespace
