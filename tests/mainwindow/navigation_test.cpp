// SPDX-License-Identifier: GPL-3.0-or-later
// The picture buttons that step the month on view, and the keys and wheel
// that go the same way: pictures while held, the step on release wherever it
// happens, the wrap at the year's ends, today's mark and the year limits.
#include "calendar/calendar.h"
#include "calendar/era.h"
#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "window_fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QSlider>

#include <limits>
#include <set>

namespace
{

using mainwindow::Canvas;
using mainwindow::MonthGrid;
using mainwindow::PictureSet;
using mainwindow::Window1;
using testing_support::WindowFixture;

using testing_support::IntMax;
using testing_support::IntMin;

using Picture = const QPixmap &(PictureSet::*)();

struct Button {
    const char *name;
    Canvas *Window1::*canvas;
    Picture pressed;
    Picture normal;
};

const Button Canvas1 { "Canvas1", &Window1::Canvas1, &PictureSet::BakYea2, &PictureSet::BakYea };
const Button Canvas2 { "Canvas2", &Window1::Canvas2, &PictureSet::BakMon2, &PictureSet::BakMon };
const Button Canvas3 { "Canvas3", &Window1::Canvas3, &PictureSet::Reset2, &PictureSet::Reset };
const Button Canvas4 { "Canvas4", &Window1::Canvas4, &PictureSet::NextMon2, &PictureSet::NextMon };
const Button Canvas5 { "Canvas5", &Window1::Canvas5, &PictureSet::NextYea2, &PictureSet::NextYea };
const Button StepButtons[] = { Canvas1, Canvas2, Canvas3, Canvas4, Canvas5 };

std::pair<int, int> onView(const Window1 &w)
{
    return { w.YearTxt->text().toInt(), w.TukTxt->text().toInt() };
}

int underlined(const Window1 &w)
{
    return testing_support::underlinedCount(w.grid());
}

class Navigation : public WindowFixture
{
protected:
    QPoint centreOf(const Button &b)
    {
        return ((*window).*b.canvas)->geometry().center();
    }
    void clickButton(const Button &b)
    {
        click(centreOf(b));
    }
    bool shows(const Button &b, Picture picture)
    {
        return ((*window).*b.canvas)->backdrop().cacheKey() == (window->pictures().*picture)().cacheKey();
    }
    void expectNormalPictures()
    {
        for (const Button &b : StepButtons)
            EXPECT_TRUE(shows(b, b.normal)) << b.name;
    }
};

TEST_F(Navigation, PressedPictureWhileHeldThenStepOnReleaseWherever)
{
    // Today is 8 December 2014, on view at opening.
    // clang-format off
    const struct {
        const Button &button;
        std::pair<int, int> after;
    } rows[] = {
        {Canvas1, {2013, 12}},
        {Canvas2, {2014, 11}},
        {Canvas3, {2014, 12}},
        {Canvas4, {2015, 1}},
        {Canvas5, {2015, 12}},
    };
    // clang-format on
    const QPoint releasePoints[] = {
        { 0, 0 }, // stands for the button's own centre
        { 50, 80 }, // over the day cells
        { 150, 150 }, // outside the window
    };
    for (const auto &row : rows) {
        for (const QPoint releaseAt : releasePoints) {
            SCOPED_TRACE(std::string(row.button.name) + " released at " + std::to_string(releaseAt.x()));
            Window1 &w = open();
            const QPoint centre = centreOf(row.button);
            ASSERT_EQ(w.childAt(centre), (w.*row.button.canvas));

            press(centre);
            EXPECT_TRUE(shows(row.button, row.button.pressed));
            EXPECT_EQ(onView(w), (std::pair { 2014, 12 }));
            release(releaseAt.isNull() ? centre : releaseAt);
            EXPECT_EQ(onView(w), row.after);
            EXPECT_EQ(w.TukTxt->textColor(), QColor(0, 128, 0));
            EXPECT_EQ(underlined(w), (row.after == std::pair { 2014, 12 } ? 1 : 0));
            expectNormalPictures();
        }
    }
}

TEST_F(Navigation, MonthStepsWrapAtTheYearsEnds)
{
    // clang-format off
    const struct {
        std::pair<int, int> from;
        const Button &button;
        std::pair<int, int> to;
    } rows[] = {
        {{2014, 12}, Canvas4, {2015, 1}},
        {{2015, 1}, Canvas2, {2014, 12}},
        {{2014, 1}, Canvas2, {2013, 12}},
        {{2013, 12}, Canvas4, {2014, 1}},
        {{2016, 2}, Canvas1, {2015, 2}},
        {{2015, 2}, Canvas5, {2016, 2}},
        {{2015, 6}, Canvas3, {2014, 12}},
        // The era of the month's first day: 昭和64年, then 平成元年; 平成31年, then 令和元年.
        {{1988, 12}, Canvas4, {1989, 1}},
        {{1989, 1}, Canvas4, {1989, 2}},
        {{2018, 4}, Canvas5, {2019, 4}},
        {{2019, 4}, Canvas4, {2019, 5}},
    };
    // clang-format on
    Window1 &w = open();
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.button.name) + " from " + std::to_string(row.from.first) + "-"
            + std::to_string(row.from.second));
        w.goToMonth(row.from.first, row.from.second);
        ASSERT_EQ(onView(w), row.from);
        clickButton(row.button);
        EXPECT_EQ(onView(w), row.to);
        EXPECT_EQ(w.TukTxt->textColor(), QColor(0, 128, 0));
        EXPECT_EQ(w.NenTxt->text().toStdString(), calendar::nenOfMonth(row.to.first, row.to.second));
    }
}

TEST_F(Navigation, LeapFebruaryStepsToAShortOne)
{
    Window1 &w = open();
    w.goToMonth(2016, 2);
    EXPECT_EQ(w.D[30]->text(), "29"); // The 1st a Monday.
    clickButton(Canvas1);
    EXPECT_EQ(onView(w), (std::pair { 2015, 2 }));
    // The 1st a Sunday: 28 days in cells 1 to 28.
    EXPECT_EQ(w.D[1]->text(), " 1");
    EXPECT_EQ(w.D[28]->text(), "28");
    EXPECT_EQ(w.D[29]->text(), "");
    EXPECT_EQ(w.D[30]->text(), "");
}

TEST_F(Navigation, TodaysMarkExactlyWhileTodaysMonthIsOnView)
{
    Window1 &w = open();
    clickButton(Canvas3);
    const MonthGrid today = w.grid();
    ASSERT_TRUE(today.cell(9).underline);

    // clang-format off
    const struct {
        std::pair<int, int> from;
        const Button &button;
    } rows[] = {
        {{2014, 11}, Canvas4},
        {{2015, 1}, Canvas2},
        {{2013, 12}, Canvas5},
        {{2015, 12}, Canvas1},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.button.name);
        w.goToMonth(row.from.first, row.from.second);
        EXPECT_EQ(underlined(w), 0);
        clickButton(row.button);
        EXPECT_TRUE(w.grid() == today);
        EXPECT_TRUE(w.D[9]->underline());
        expectNormalPictures();
        // And away again.
        clickButton(row.button);
        EXPECT_EQ(underlined(w), 0);
        EXPECT_FALSE(w.D[9]->underline());
    }
}

TEST_F(Navigation, CurrentMonthButtonRebuildsEvenOnTheCurrentMonth)
{
    Window1 &w = open();
    const MonthGrid today = w.grid();
    w.Set_Red(10);
    w.Set_Bold(11);
    ASSERT_FALSE(w.grid() == today);
    press(centreOf(Canvas3));
    EXPECT_TRUE(shows(Canvas3, Canvas3.pressed));
    release(centreOf(Canvas3));
    EXPECT_TRUE(w.grid() == today);
    EXPECT_TRUE(shows(Canvas3, Canvas3.normal));
}

TEST_F(Navigation, YearsStopAtTheLimitsOfInt)
{
    // clang-format off
    const struct {
        const char *name;
        std::pair<int, int> from;
        const Button &button;
        std::pair<int, int> to;
    } rows[] = {
        {"year forward at the top", {IntMax, 12}, Canvas5, {IntMax, 12}},
        {"month forward at the top", {IntMax, 12}, Canvas4, {IntMax, 12}},
        {"year back from the top", {IntMax, 12}, Canvas1, {IntMax - 1, 12}},
        {"month back at the top", {IntMax, 1}, Canvas2, {IntMax - 1, 12}},
        {"year back at the bottom", {IntMin, 1}, Canvas1, {IntMin, 1}},
        {"month back at the bottom", {IntMin, 1}, Canvas2, {IntMin, 1}},
        {"month forward from the bottom", {IntMin, 12}, Canvas4, {IntMin + 1, 1}},
        {"year forward from the bottom", {IntMin, 3}, Canvas5, {IntMin + 1, 3}},
    };
    // clang-format on
    Window1 &w = open();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        w.goToMonth(row.from.first, row.from.second);
        clickButton(row.button);
        EXPECT_EQ(w.YearTxt->text(), QString::number(row.to.first));
        EXPECT_EQ(w.TukTxt->text(), QString::number(row.to.second));
        const int days = calendar::Month_Long(row.to.first, row.to.second);
        int shown = 0;
        for (int k = 1; k <= MonthGrid::CellCount; ++k)
            shown += w.D[static_cast<std::size_t>(k)]->text().isEmpty() ? 0 : 1;
        EXPECT_EQ(shown, days);
        expectNormalPictures();
    }
    w.goToMonth(IntMin, 1);
    EXPECT_EQ(w.NenTxt->text(), "年");
}

TEST_F(Navigation, YearsBefore1583KeepTheirWeekdays)
{
    Window1 &w = open();
    w.goToMonth(1583, 1);
    clickButton(Canvas2);
    EXPECT_EQ(onView(w), (std::pair { 1582, 12 }));
    // 1 December 1582 was a Wednesday in the Gregorian reckoning carried back.
    EXPECT_EQ(w.D[3]->text(), "");
    EXPECT_EQ(w.D[4]->text(), " 1");
    EXPECT_EQ(w.D[34]->text(), "31");

    clickButton(Canvas4);
    // 1 January 1583 was a Saturday.
    EXPECT_EQ(w.D[7]->text(), " 1");
    EXPECT_EQ(w.D[8]->text(), " 2");
}

TEST_F(Navigation, KeysTakeTheSameSteps)
{
    // clang-format off
    const struct {
        const char *name;
        Qt::Key key;
        std::pair<int, int> to;
    } rows[] = {
        {"left", Qt::Key_Left, {2014, 11}},
        {"right", Qt::Key_Right, {2015, 1}},
        {"page up", Qt::Key_PageUp, {2013, 12}},
        {"page down", Qt::Key_PageDown, {2015, 12}},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Window1 &w = open();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        // Through the window system, to whichever widget has the focus.
        QTest::keyClick(w.windowHandle(), row.key);
        EXPECT_EQ(onView(w), row.to);
        EXPECT_EQ(underlined(w), 0);
        // The hidden settings area takes none of them.
        EXPECT_EQ(w.settingsArea().Slider1->value(), 100);
        EXPECT_EQ(w.store().Trans(), 100);

        QTest::keyClick(w.windowHandle(), Qt::Key_Home);
        EXPECT_EQ(onView(w), (std::pair { 2014, 12 }));
        EXPECT_EQ(underlined(w), 1);
        EXPECT_EQ(w.settingsArea().Slider1->value(), 100);
    }
}

TEST_F(Navigation, KeysReachOnlyTheControlsInView)
{
    QWidget other;
    // clang-format off
    const struct {
        const char *name;
        void (*enter)(Window1 &, QWidget &);
        bool settingsInView;
    } rows[] = {
        {"calendar", [](Window1 &, QWidget &) {}, false},
        {"tile", [](Window1 &w, QWidget &) { w.Canvas6_MouseUp(0, 0); }, false},
        {"settings area shown", [](Window1 &w, QWidget &) { w.My_Pref(); }, true},
        {"closed with its button", [](Window1 &w, QWidget &) { w.My_Pref(); w.settingsArea().Slider1->setFocus(); w.settingsArea().PushButton2_Action(); }, false},
        {"closed by a save", [](Window1 &w, QWidget &) { w.My_Pref(); w.settingsArea().Slider1->setFocus(); w.Save_State(); }, false},
        {"activated", [](Window1 &w, QWidget &o) { w.settingsArea().Slider1->setFocus(); o.show(); QApplication::setActiveWindow(&o);
            QApplication::setActiveWindow(&w); }, false},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Window1 &w = open();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        row.enter(w, other);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        if (!row.settingsInView) {
            EXPECT_EQ(QApplication::focusWidget(), &w);
        }
        std::set<QWidget *> reached;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
            reached.insert(w.focusWidget());
        }
        EXPECT_EQ(reached.count(w.settingsArea().Slider1) + reached.count(w.settingsArea().PushButton1),
            row.settingsInView ? 2U : 0U);
        for (const QWidget *widget : reached)
            EXPECT_TRUE(widget == &w || (widget && w.rect().intersects(widget->geometry())));
        if (!row.settingsInView) {
            QTest::keyClick(w.windowHandle(), Qt::Key_Home);
            EXPECT_EQ(w.settingsArea().Slider1->value(), 100);
        }
    }
}

TEST_F(Navigation, WheelStepsOneMonthPerNotchUpIsBack)
{
    // clang-format off
    const struct {
        const char *name;
        std::vector<int> deltas;
        std::pair<int, int> to;
    } rows[] = {
        {"one notch up", {120}, {2014, 11}},
        {"one notch down", {-120}, {2015, 1}},
        {"two notches up at once", {240}, {2014, 10}},
        {"two half notches", {60, 60}, {2014, 11}},
        {"half a notch", {60}, {2014, 12}},
        {"up and back down", {120, -120}, {2014, 12}},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Window1 &w = open();
        const QPointF at(50, 80);
        for (int delta : row.deltas) {
            QWheelEvent wheel(
                at, w.mapToGlobal(at), {}, { 0, delta }, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&w, &wheel);
        }
        EXPECT_EQ(onView(w), row.to);
    }
}

} // namespace
