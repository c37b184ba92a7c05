// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window: one month, its picture buttons, the tile mode and the settings area.
#pragma once

#include "mainwindow/koyomi_tips.h"
#include "mainwindow/month_grid.h"
#include "mainwindow/picture_set.h"
#include "mainwindow/settings_saver.h"
#include "mainwindow/window_layout.h"
#include "settings/settings_store.h"

#include <QAccessible>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QPushButton;
class QTimer;

namespace platform
{
class Clock;
class ColorPicker;
class DockTile;
class Pictures;
class Screens;
} // namespace platform

namespace mainwindow
{

class Canvas;
class SettingsArea;
class StaticText;
class TileExitGuard;
class Window2;

// What the main window needs from the platform.
struct Services {
    platform::Clock &clock;
    platform::Screens &screens;
    platform::Pictures &pictures;
    platform::ColorPicker &colorPicker;
    platform::DockTile &dockTile;
};

// The calendar window: one month with its era, month and year labels, the
// navigation picture buttons, the small tile mode and, to the right of the
// calendar, the settings area. It holds the run's settings store and follows it.
class Window1 final : public QWidget
{
    Q_OBJECT

public:
    // settingsPath is the file the settings are read from at opening and saved to.
    Window1(const Services &services, QString settingsPath, QWidget *parent = nullptr);
    ~Window1() override;

    // Opening: restores the settings, creates the day cells and shows today's
    // month. Runs once, before the window is first shown.
    void Open();

    // At each tick of Timer1 (when the clock says the day may have changed, or
    // the clock was set): moves the display to the new day when the day changed.
    void Check_Day();
    void Timer1_Action();

    // The month grid and the month-showing steps.
    void Reset_Day();
    void Set_Day(int offset, int days);
    void Set_Bold(int cell);
    void Set_Red(int cell);
    void Present_Set();
    void Disp_Title();
    void Disp_Day();
    void Set_Color();

    // Shows year-month (month 1..12) as a step of the buttons to it would: today's
    // month through Present_Set, with today's mark; any other month without.
    void goToMonth(int year, int month);

    // Size modes.
    void Small_Win();
    void Large_Win();

    // Writes the settings file with the calendar's position at 102 x 114. The
    // widened window returns to the calendar; the tile stays the tile.
    void Save_State();
    // Saves as Save_State does, then puts the window back as it was: a save at
    // the end of the session changes nothing on screen if the logout is cancelled.
    void Save_For_Session();

    // Composes the tile picture and hands it to the application tile.
    void Draw_Dock();
    // Today's full date and any holiday name, for the tile's tooltip.
    QString tileToolTip() const;

    // Menu commands.
    bool My_Pref();
    bool FileQuit();
    // Shows the preferences window, the open one or a new one.
    void openWindow2();
    Window2 *window2() const;

    // Handlers of the picture buttons.
    bool Canvas1_MouseDown(int x, int y);
    bool Canvas2_MouseDown(int x, int y);
    bool Canvas3_MouseDown(int x, int y);
    bool Canvas4_MouseDown(int x, int y);
    bool Canvas5_MouseDown(int x, int y);
    bool Canvas6_MouseDown(int x, int y);
    bool Canvas7_MouseDown(int x, int y);
    void Canvas1_MouseUp(int x, int y);
    void Canvas2_MouseUp(int x, int y);
    void Canvas3_MouseUp(int x, int y);
    void Canvas4_MouseUp(int x, int y);
    void Canvas5_MouseUp(int x, int y);
    void Canvas6_MouseUp(int x, int y);
    void Canvas7_MouseUp(int x, int y);

    // Window mouse handlers.
    bool MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseExit();

    settings::SettingsStore &store();
    SettingsArea &settingsArea() const;
    const MonthGrid &grid() const;
    // The month on view, as shown by YearTxt and TukTxt.
    int viewYear() const;
    int viewMonth() const;
    Rect windowRect() const;
    PictureSet &pictures();

    // Ends the application; exits the event loop with code 0 unless replaced (tests).
    std::function<void()> Quit;

    int Start_Year = 0;
    int Start_Month = 0;
    int Start_Day = 0;
    std::array<StaticText *, MonthGrid::CellCount + 1> D {};
    bool Win_Small = false;
    int Win_Top = 0;
    int Win_Left = 0;

    Canvas *Canvas1 = nullptr;
    Canvas *Canvas2 = nullptr;
    Canvas *Canvas3 = nullptr;
    Canvas *Canvas4 = nullptr;
    Canvas *Canvas5 = nullptr;
    Canvas *Canvas6 = nullptr;
    Canvas *Canvas7 = nullptr;
    StaticText *DayTxt = nullptr;
    StaticText *YearTxt = nullptr;
    StaticText *TukTxt = nullptr;
    StaticText *NenTxt = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What a picture button's release does.
    enum class Step { YearBack, MonthBack, Today, MonthForward, YearForward, Shrink, Settings };
    // A row of the picture buttons' table.
    struct PictureButton;
    static const PictureButton &pictureButton(int index);

    void createPictureButtons();
    void createLabels();
    void createSettingsArea();
    void createDayCells();
    void followStore();
    bool pressButton(int index);
    void releaseButton(int index);
    void takeStep(Step step);
    void stepMonth(Step step);
    void shrink();
    void restoreSaved();
    // Top and left for the settings file, from the calendar at `at`.
    std::pair<int, int> positionToSave(const Rect &at) const;
    void applyTransparency(int percent);
    // Composes the tile when the option is on and the opening is over.
    void redrawTile();
    // Shows a month; todayDay > 0 underlines that day (today's month only).
    void showMonth(int year, int month, int todayDay);
    void showCells();
    void showDayText();
    void setBackColor(const QColor &colour);
    void setWindowRect(const Rect &rect);
    // The calendar's place: the window itself, or while the settings area is
    // shown, where the calendar goes back when it closes.
    Rect calendarRect() const;
    // Whether the window is the tile: then it has no title bar.
    bool isTile() const;
    void setTile(bool tile);
    std::vector<Rect> screenRects() const;
    // The screen the window is on.
    Rect screenRect() const;
    // Lets only the controls inside the window's visible size take the focus,
    // and gives it back to the calendar when the settings area is out of view.
    void focusVisibleControls();
    // Gives each day cell its full date and any holiday name as its accessible
    // name, for screen readers; cells without a day get none.
    void nameCells(int year, int month, int offset);
    QString titleFor(const QDate &date) const;
    bool navigationAllowed() const;

    Services m_services;
    QString m_settingsPath;
    settings::SettingsStore m_store;
    SettingsSaver m_saver;
    KoyomiTips m_koyomi;
    PictureSet m_pictures;
    MonthGrid m_grid;
    // False while the opening restores the settings: the tile waits for the
    // end of the opening, which composes it once.
    bool Flag_Start = false;
    int m_viewYear = 0;
    int m_viewMonth = 0;
    int m_wheelDelta = 0;
    std::array<Canvas *, 7> m_buttons {};
    std::array<StaticText *, 7> m_headers {}; // 日 .. 土
    StaticText *m_cellTemplate = nullptr; // D(0)
    QTimer *Timer1 = nullptr;
    QPushButton *BevelButton1 = nullptr;
    QPushButton *PushButton4 = nullptr;
    SettingsArea *m_area = nullptr;
    QImage MyCanv; // the last tile picture
    QPointer<Window2> m_window2;
    // While the settings area is shown: where the calendar was when it opened,
    // and where the widened window was put then.
    struct AreaOpening {
        Rect calendar;
        Rect widened;
    };
    std::optional<AreaOpening> m_areaOpened;
    // Every control that can take the focus, with its own focus policy.
    std::vector<std::pair<QWidget *, Qt::FocusPolicy>> m_focusPolicies;
    bool m_frameKnown = false;
    // Made at the first press that leaves the tile.
    TileExitGuard *m_tileExit = nullptr;
    // Top and left as the settings file held them at the opening, if it did.
    std::optional<std::pair<int, int>> m_filePosition;
    // Whether assistive technology listens. Naming the day cells costs half of a
    // month step, so they are named only then.
    bool m_screenReader = false;
    std::unique_ptr<QAccessible::ActivationObserver> m_accessibility;
};

// The weekday character of a weekday number 1 = Sunday .. 7 = Saturday.
QString weekdayCharacter(int weekday);

// A day in full, "2014年12月23日(火)", then the holiday's name after a space if
// there is one. weekday counts 1 = Sunday .. 7 = Saturday.
QString fullDateText(int year, int month, int day, int weekday, const std::string &holiday);

} // namespace mainwindow
