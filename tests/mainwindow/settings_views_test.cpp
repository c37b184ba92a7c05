// SPDX-License-Identifier: GPL-3.0-or-later
// A setting changed in either place shows at once in every view that follows it.
#include "mainwindow/static_text.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <functional>

namespace
{

using mainwindow::SettingsArea;
using namespace testing_support;

class SettingsViews : public WindowFixture
{
protected:
    // Every view agrees with the store.
    void expectEveryViewFollows()
    {
        const settings::SettingsStore &store = window->store();
        EXPECT_EQ(window->palette().color(QPalette::Window), My_Col(*window));
        EXPECT_NEAR(window->windowOpacity(), store.Trans() / 100.0, 1.0 / 255);
        for (const SettingsArea *area : { &window->settingsArea(), &window->window2()->area() }) {
            SCOPED_TRACE(area == &window->settingsArea() ? "settings area" : "設定");
            EXPECT_EQ(area->CheckBox1->isChecked(), store.dockShown());
            EXPECT_TRUE(radiosEnabled(*area, store.dockShown()));
            EXPECT_EQ(checkedMode(*area), store.MyDock());
            EXPECT_EQ(area->Slider1->value(), store.Trans());
            EXPECT_EQ(area->TransText->text(), QString::number(store.Trans()));
        }
        if (store.dockShown()) {
            EXPECT_EQ(dock.lastTile.pixelColor(0, 0), My_Col(*window));
        }
    }
};

TEST_F(SettingsViews, AChangeInEitherPlaceShowsEverywhereAtOnce)
{
    struct Row {
        const char *name;
        std::function<void(SettingsArea &)> change;
        std::function<bool(const settings::SettingsStore &)> changed;
        int composed; // tiles handed to the tray or Dock
        int resets; // returns to the application's own icon
    };
    const auto colour = [](const settings::SettingsStore &s) { return s.My_Col() == settings::Colour { 10, 20, 30 }; };
    const Row rows[] = {
        { "colour", [](SettingsArea &a) { QTest::mouseClick(a.PushButton1, Qt::LeftButton); }, colour, 1, 0 },
        { "mode", [](SettingsArea &a) { QTest::mouseClick(a.RadioButton1[3], Qt::LeftButton); },
            [](const settings::SettingsStore &s) { return s.MyDock() == 3; }, 1, 0 },
        { "Dock option off", [](SettingsArea &a) { QTest::mouseClick(a.CheckBox1, Qt::LeftButton); },
            [](const settings::SettingsStore &s) { return !s.dockShown(); }, 0, 1 },
        { "transparency", [](SettingsArea &a) { QTest::keyClick(a.Slider1, Qt::Key_PageDown); },
            [](const settings::SettingsStore &s) { return s.Trans() == 65; }, 0, 0 },
    };
    for (const Row &row : rows) {
        for (const bool inWindow2 : { false, true }) {
            SCOPED_TRACE(std::string(row.name) + (inWindow2 ? " in 設定" : " in the settings area"));
            writeFile("44\n300\n255\n255\n255\nFalse\n85\nTrue\n0\n");
            open();
            window->My_Pref();
            window->openWindow2();
            // 設定 opens with its box unticked; ticked, it shows the option and its modes.
            window->window2()->area().CheckBox1->setChecked(true);
            picker.answer = QColor(10, 20, 30);
            dock.updates = 0;
            dock.resets = 0;

            row.change(inWindow2 ? window->window2()->area() : window->settingsArea());
            EXPECT_TRUE(row.changed(window->store()));
            EXPECT_EQ(dock.updates, row.composed);
            EXPECT_EQ(dock.resets, row.resets);
            expectEveryViewFollows();
        }
    }
}

TEST_F(SettingsViews, AModeChosenWhileTheOptionIsOffWaitsForTheTile)
{
    open();
    window->openWindow2();
    for (SettingsArea *area : { &window->settingsArea(), &window->window2()->area() }) {
        area->RadioButton1[1]->setChecked(true);
        EXPECT_EQ(window->store().MyDock(), 1);
        area->RadioButton1[0]->setChecked(true);
    }
    EXPECT_EQ(dock.updates, 0);
    expectEveryViewFollows();
}

} // namespace
