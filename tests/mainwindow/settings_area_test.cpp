// SPDX-License-Identifier: GPL-3.0-or-later
// The settings area of the main window, and the settings going through the
// window to the file and back.
#include "mainwindow/static_text.h"
#include "mainwindow/window1.h"
#include "mainwindow/window_layout.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{

using mainwindow::Rect;
using mainwindow::Window1;
using namespace testing_support;

class SettingsAreaTest : public WindowFixture
{
protected:
    // A new main window on the settings file, as at a start of the application.
    std::unique_ptr<Window1> open()
    {
        return makeWindow();
    }
};

// --- Saving and restoring through the window ---

TEST_F(SettingsAreaTest, ExampleFileReadsToItsValues)
{
    writeFile("44\n300\n255\n250\n240\nTrue\n85\nTrue\n2\n");
    const auto w = open();
    EXPECT_EQ(w->windowRect(), (Rect { 300, 44, 19, 14 }));
    EXPECT_TRUE(w->Win_Small);
    EXPECT_EQ(My_Col(*w), QColor(255, 250, 240));
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(255, 250, 240));
    EXPECT_EQ(w->store().Trans(), 85);
    EXPECT_EQ(w->settingsArea().Slider1->value(), 85);
    EXPECT_EQ(w->settingsArea().TransText->text(), QStringLiteral("85"));
    EXPECT_NEAR(w->windowOpacity(), 0.85, 1.0 / 255);
    EXPECT_TRUE(w->settingsArea().CheckBox1->isChecked());
    EXPECT_EQ(checkedMode(w->settingsArea()), 2);
    EXPECT_TRUE(radiosEnabled(w->settingsArea(), true));
    EXPECT_EQ(w->store().MyDock(), 2);
    EXPECT_EQ(dock.updates, 1);
}

TEST_F(SettingsAreaTest, EverySettingSurvivesASaveAndANewWindow)
{
    {
        const auto w = open();
        w->setGeometry(400, -20, 102, 114);
        picker.answer = QColor(10, 20, 30);
        w->settingsArea().PushButton1_Action();
        w->settingsArea().CheckBox1->setChecked(true);
        w->settingsArea().RadioButton1[2]->setChecked(true);
        w->settingsArea().Slider1->setValue(70);
        w->Canvas6_MouseUp(0, 0);
        ASSERT_TRUE(w->Win_Small);
        w->Save_State();
    }
    EXPECT_TRUE(readFile().startsWith("-20\n400\n10\n20\n30\nTrue\n70\nTrue\n2\n"));

    const auto w = open();
    EXPECT_EQ(w->windowRect(), (Rect { 400, 5, 19, 14 }));
    EXPECT_EQ(w->Win_Top, 5);
    EXPECT_EQ(w->Win_Left, 400);
    EXPECT_TRUE(w->Win_Small);
    EXPECT_TRUE(w->DayTxt->isVisible());
    EXPECT_EQ(My_Col(*w), QColor(10, 20, 30));
    EXPECT_EQ(w->store().Trans(), 70);
    EXPECT_EQ(w->settingsArea().TransText->text(), QStringLiteral("70"));
    EXPECT_TRUE(w->settingsArea().CheckBox1->isChecked());
    EXPECT_EQ(checkedMode(w->settingsArea()), 2);
    EXPECT_EQ(w->store().MyDock(), 2);
}

TEST_F(SettingsAreaTest, BlackComesBackWhite)
{
    {
        const auto w = open();
        picker.answer = QColor(0, 0, 0);
        w->settingsArea().PushButton1_Action();
        EXPECT_EQ(My_Col(*w), QColor(0, 0, 0));
        w->Save_State();
    }
    EXPECT_EQ(readFile().split('\n').mid(2, 3), (QList<QByteArray> { "0", "0", "0" }));
    const auto w = open();
    EXPECT_EQ(My_Col(*w), QColor(255, 255, 255));
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(255, 255, 255));
}

TEST_F(SettingsAreaTest, WeekdayModeWithoutTheTileIsSelectedButDisabled)
{
    writeFile("44\n300\n255\n250\n240\nFalse\n85\nFalse\n3\n");
    const auto w = open();
    EXPECT_FALSE(w->Win_Small);
    EXPECT_FALSE(w->settingsArea().CheckBox1->isChecked());
    EXPECT_EQ(checkedMode(w->settingsArea()), 3);
    EXPECT_EQ(w->store().MyDock(), 3);
    EXPECT_TRUE(radiosEnabled(w->settingsArea(), false));
    EXPECT_EQ(dock.updates, 0);
}

TEST_F(SettingsAreaTest, TwoSavesInARowWriteTheSameBytes)
{
    writeFile("44\n300\n255\n250\n240\nFalse\n85\nTrue\n1\n");
    const auto w = open();
    w->Save_State();
    const QByteArray first = readFile();
    w->Save_State();
    EXPECT_EQ(readFile(), first);
    EXPECT_EQ(first, QByteArray("44\n300\n255\n250\n240\nFalse\n85\nTrue\n1\n"));
}

TEST_F(SettingsAreaTest, TheCalendarComesBackFromTheWidenedWindowWhereItWas)
{
    // On the right half of a narrow screen the widened window moves left to fit (1100 to 888).
    screens.size = QSize(1280, 800);
    const auto closeArea = [](Window1 &w) { w.settingsArea().PushButton2_Action(); };
    const auto save = [](Window1 &w) { w.settingsArea().PushButton3_Action(); };
    const auto shrinkAndRestore = [](Window1 &w) {
        w.Canvas6_MouseUp(0, 0);
        w.MouseDown(0, 0);
    };
    // clang-format off
    const struct {
        const char *name;
        std::function<void(Window1 &)> leave;
        QPoint movedBy; // by the user, while the area is shown
        Rect calendar;
    } rows[] = {
        {"閉じる", closeArea, {0, 0}, {1100, 44, 102, 114}},
        {"設定保存", save, {0, 0}, {1100, 44, 102, 114}},
        {"the tile and back", shrinkAndRestore, {0, 0}, {1100, 44, 102, 114}},
        {"閉じる after a move", closeArea, {-100, 30}, {1000, 74, 102, 114}},
        {"設定保存 after a move", save, {-100, 30}, {1000, 74, 102, 114}},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeFile("44\n1100\n255\n255\n255\nFalse\n100\nFalse\n0\n");
        const auto w = open();
        for (int trip = 1; trip <= 2; ++trip) {
            w->My_Pref();
            ASSERT_EQ(w->windowRect().left, 888);
            if (trip == 1) {
                w->windowHandle()->setFramePosition(w->pos() + row.movedBy);
                QCoreApplication::processEvents();
            }
            row.leave(*w);
            EXPECT_EQ(w->windowRect(), row.calendar) << "trip " << trip;
        }
        w->My_Pref();
        w->Save_State();
        EXPECT_TRUE(readFile().startsWith(
            QByteArray::number(row.calendar.top) + '\n' + QByteArray::number(row.calendar.left) + '\n'));
    }
}

TEST_F(SettingsAreaTest, FailedSaveKeepsTheApplicationRunning)
{
    {
        QFile blocker(dir.filePath(QStringLiteral("file")));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    path = dir.filePath(QStringLiteral("file/Lumo prefs"));
    const auto w = open();
    w->setGeometry(200, 100, 102, 114);
    w->settingsArea().Slider1->setValue(60);
    w->Save_State();
    w->FileQuit();
    // Quitting waits until the notice of the failed save is closed.
    EXPECT_EQ(quits, 0);
    ASSERT_TRUE(w->findChild<QMessageBox *>());
    w->findChild<QMessageBox *>()->close();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowRect(), (Rect { 200, 100, 102, 114 }));
    EXPECT_EQ(w->store().Trans(), 60);
    EXPECT_FALSE(QFile::exists(path));
}

// --- The settings area's controls ---

TEST_F(SettingsAreaTest, ControlsSitAtTheirRectanglesInBothWindows)
{
    namespace layout = mainwindow::layout;
    const auto w = open();
    w->openWindow2();
    const std::pair<const mainwindow::SettingsArea *, const layout::SettingsAreaRects *> views[]
        = { { &w->settingsArea(), &layout::Window1Area }, { &w->window2()->area(), &layout::Window2Area } };
    for (const auto &[area, rects] : views) {
        const std::pair<const QWidget *, Rect> rows[] = { { area->Slider1, rects->Slider1 },
            { area->StaticText1, rects->TransLabel }, { area->TransText, rects->TransText },
            { area->PushButton1, rects->PushButton1 }, { area->CheckBox1, rects->CheckBox1 },
            { area->RadioButton1[0], rects->RadioButton1[0] }, { area->RadioButton1[1], rects->RadioButton1[1] },
            { area->RadioButton1[2], rects->RadioButton1[2] }, { area->RadioButton1[3], rects->RadioButton1[3] },
            { area->PushButton3, rects->PushButton3 }, { area->PushButton2, rects->PushButton2 } };
        for (const auto &[control, rect] : rows) {
            EXPECT_EQ(QRect(control->mapTo(control->window(), QPoint(0, 0)), control->size()),
                QRect(rect.left, rect.top, rect.width, rect.height))
                << control->metaObject()->className() << " in " << control->window()->metaObject()->className();
        }
    }
}

TEST_F(SettingsAreaTest, EveryTickByTheUserComposesTheTileOnce)
{
    // clang-format off
    const struct {
        const char *name;
        QByteArray file;
        bool inWindow2;
        int atOpening;
    } rows[] = {
        {"first tick of a fresh session", {}, false, 0},
        {"first tick in 設定", {}, true, 0},
        {"tick in 設定 with the option restored on", "44\n300\n255\n255\n255\nFalse\n100\nTrue\n0\n", true, 1},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(path);
        if (!row.file.isEmpty())
            writeFile(row.file);
        dock = FakeDockTile();
        const auto w = open();
        ASSERT_EQ(dock.updates, row.atOpening);
        QCheckBox *box = w->settingsArea().CheckBox1;
        if (row.inWindow2) {
            w->openWindow2();
            box = w->window2()->area().CheckBox1;
        }
        for (int tick = 1; tick <= 2; ++tick) {
            box->setChecked(true);
            EXPECT_EQ(dock.updates, row.atOpening + tick);
            EXPECT_FALSE(dock.lastTile.isNull());
            EXPECT_TRUE(radiosEnabled(w->settingsArea(), true));
            box->setChecked(false);
            EXPECT_TRUE(radiosEnabled(w->settingsArea(), false));
            EXPECT_GE(dock.resets, tick);
        }
    }
}

TEST_F(SettingsAreaTest, HandEditedTransparencyIsKeptAndShownAtTheSlidersEnd)
{
    const struct {
        QByteArray trans;
        QString shown; // in the calendar's area and in 設定
        double opacity; // never below 5 %
    } rows[] = { { "250", "100", 1.0 }, { "1", "50", 0.05 } };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.trans.toStdString());
        const QByteArray file = "44\n300\n255\n255\n255\nFalse\n" + row.trans + "\nFalse\n0\n";
        writeFile(file);
        const auto w = open();
        w->openWindow2();
        EXPECT_EQ(w->store().Trans(), row.trans.toInt());
        for (const mainwindow::SettingsArea *area : { &w->settingsArea(), &w->window2()->area() }) {
            EXPECT_EQ(area->Slider1->value(), row.shown.toInt());
            EXPECT_EQ(area->TransText->text(), row.shown);
        }
        EXPECT_NEAR(w->windowOpacity(), row.opacity, 1.0 / 255);
        w->Save_State();
        EXPECT_EQ(readFile(), file);
    }
}

TEST_F(SettingsAreaTest, SliderRaisesValuesBelowFiveToFive)
{
    const auto w = open();
    w->settingsArea().Slider1->setMinimum(0);
    w->settingsArea().Slider1->setValue(3);
    EXPECT_EQ(w->settingsArea().Slider1->value(), 5);
    EXPECT_EQ(w->settingsArea().TransText->text(), QStringLiteral("5"));
    EXPECT_EQ(w->store().Trans(), 5);
}

TEST_F(SettingsAreaTest, ColourPickerPreviewsOnTheCalendarWhichStaysInPlace)
{
    struct Row {
        std::optional<QColor> answer;
        QColor expected;
        int tileUpdates;
    };
    const Row rows[] = { { QColor(12, 34, 56), QColor(12, 34, 56), 1 }, { std::nullopt, QColor(255, 250, 240), 0 } };
    const QColor preview(200, 100, 50);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.expected.name().toStdString());
        writeFile("44\n300\n255\n250\n240\nFalse\n100\nTrue\n0\n");
        const auto w = open();
        const Rect at = w->windowRect();
        const int updates = dock.updates;
        picker.answer = row.answer;
        picker.previews = { QColor(1, 2, 3), preview };
        picker.whileOpen = [&] {
            EXPECT_TRUE(w->isVisible());
            EXPECT_EQ(w->windowRect(), at);
            EXPECT_EQ(w->palette().color(QPalette::Window), preview);
            // The store, and so the tile, wait for the user's choice.
            EXPECT_EQ(My_Col(*w), QColor(255, 250, 240));
            EXPECT_EQ(dock.updates, updates);
        };
        QTest::mouseClick(w->settingsArea().PushButton1, Qt::LeftButton);
        EXPECT_EQ(picker.prompts.back(), QString::fromUtf8("背景色を選んでください。"));
        EXPECT_EQ(My_Col(*w), row.expected);
        EXPECT_EQ(w->palette().color(QPalette::Window), row.expected);
        EXPECT_EQ(dock.updates, updates + row.tileUpdates);
        picker.whileOpen = nullptr;
    }
}

TEST_F(SettingsAreaTest, CloseAndSaveButtonsReturnToTheCalendarSize)
{
    const auto w = open();
    w->setGeometry(100, 200, 102, 114);
    w->My_Pref();
    ASSERT_EQ(w->windowRect(), (Rect { 100, 200, 392, 114 }));
    QTest::mouseClick(w->settingsArea().PushButton2, Qt::LeftButton);
    EXPECT_EQ(w->windowRect(), (Rect { 100, 200, 102, 114 }));
    EXPECT_FALSE(QFile::exists(path));

    w->My_Pref();
    QTest::mouseClick(w->settingsArea().PushButton3, Qt::LeftButton);
    EXPECT_EQ(w->windowRect(), (Rect { 100, 200, 102, 114 }));
    EXPECT_TRUE(readFile().startsWith("200\n100\n"));
}

} // namespace
