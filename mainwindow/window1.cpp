#include "mainwindow/window1.h"

#include "calendar/calendar.h"
#include "calendar/era.h"
#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "platform/clock.h"
#include "platform/color_picker.h"
#include "platform/dock_tile.h"
#include "platform/screens.h"
#include "settings/module1.h"
#include "settings/settings_file.h"
#include "settings/window2.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <limits>

namespace mainwindow
{

namespace
{

    QString utf8(const char *text)
    {
        return QString::fromUtf8(text);
    }

    QColor toQColor(Rgb rgb)
    {
        return QColor(rgb.red, rgb.green, rgb.blue);
    }

    void place(QWidget *widget, const Rect &rect)
    {
        widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
    }

    QFont osaka(int pixelSize)
    {
        QFont f(QStringLiteral("Osaka"));
        f.setPixelSize(pixelSize);
        return f;
    }

    // Steps a year without wrapping past the limits of int.
    int stepYear(int year, int by)
    {
        if (by > 0 && year == std::numeric_limits<int>::max())
            return year;
        if (by < 0 && year == std::numeric_limits<int>::min())
            return year;
        return year + by;
    }

    constexpr int TimerPeriodMs = 1000;
    constexpr int WheelStep = 120;

} // namespace

QString weekdayCharacter(int weekday)
{
    static const char *const characters[] = { "日", "月", "火", "水", "木", "金", "土" };
    if (weekday < 1 || weekday > 7)
        return {};
    return utf8(characters[weekday - 1]);
}

Window1::Window1(const Services &services, QString settingsPath, QWidget *parent)
    // A normal window, not a tool window: it has a task-bar entry to come back
    // from when minimised, and floats above the others all the same.
    : QWidget(parent,
        Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint)
    , Quit([] { QCoreApplication::exit(0); })
    , m_services(services)
    , m_settingsPath(std::move(settingsPath))
    , m_koyomi(m_settingsPath)
    , m_pictures(services.pictures)
{
    setObjectName(QStringLiteral("Window1"));
    setWindowTitle(QString());
    setFixedSize(layout::DesignSize.width, layout::DesignSize.height);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // A floating calendar is rarely the active window; show its holiday names anyway.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setAttribute(Qt::WA_MacAlwaysShowToolWindow);
    createControls();
}

Window1::~Window1()
{
    delete m_window2.data();
}

void Window1::createControls()
{
    Canvas1 = new Canvas(this);
    place(Canvas1, layout::Canvas1);
    Canvas1->MouseDown = [this](int x, int y) { return Canvas1_MouseDown(x, y); };
    Canvas1->MouseUp = [this](int x, int y) { Canvas1_MouseUp(x, y); };

    DayTxt = new StaticText(QStringLiteral("31"), 9, this);
    place(DayTxt, layout::DayTxt);
    DayTxt->setBold(true);
    DayTxt->hide();

    YearTxt = new StaticText(QStringLiteral("2000"), 9, this);
    place(YearTxt, layout::YearTxt);

    const auto header = [this](const char *text, const Rect &rect, QColor colour) {
        auto *label = new StaticText(utf8(text), 9, this);
        place(label, rect);
        label->setTextColor(colour);
        return label;
    };
    Sun = header("日", layout::Sun, toQColor(colours::Red));
    Tue = header("火", layout::Tue, Qt::black);
    Wed = header("水", layout::Wed, Qt::black);
    Thu = header("木", layout::Thu, Qt::black);
    Fri = header("金", layout::Fri, Qt::black);
    Sat = header("土", layout::Sat, toQColor(colours::Blue));

    TukTxt = new StaticText(QStringLiteral("12"), 12, this);
    place(TukTxt, layout::TukTxt);
    TukTxt->setBold(true);
    TukTxt->setTextColor(QColor(0, 127, 0));

    Mon = header("月", layout::Mon, Qt::black);

    StaticText1[0] = new StaticText(QStringLiteral("Dammy"), 9, this);
    place(StaticText1[0], layout::CellTemplate);

    NenTxt = new StaticText(utf8("平成12年"), 9, this);
    place(NenTxt, layout::NenTxt);

    Timer1 = new QTimer(this);
    Timer1->setInterval(TimerPeriodMs);
    connect(Timer1, &QTimer::timeout, this, &Window1::Timer1_Action);

    const auto canvas = [this](const Rect &rect, auto down, auto up) {
        auto *c = new Canvas(this);
        place(c, rect);
        c->MouseDown = [this, down](int x, int y) { return (this->*down)(x, y); };
        c->MouseUp = [this, up](int x, int y) { (this->*up)(x, y); };
        return c;
    };
    Canvas2 = canvas(layout::Canvas2, &Window1::Canvas2_MouseDown, &Window1::Canvas2_MouseUp);
    Canvas3 = canvas(layout::Canvas3, &Window1::Canvas3_MouseDown, &Window1::Canvas3_MouseUp);
    Canvas4 = canvas(layout::Canvas4, &Window1::Canvas4_MouseDown, &Window1::Canvas4_MouseUp);
    Canvas5 = canvas(layout::Canvas5, &Window1::Canvas5_MouseDown, &Window1::Canvas5_MouseUp);
    Canvas6 = canvas(layout::Canvas6, &Window1::Canvas6_MouseDown, &Window1::Canvas6_MouseUp);
    Canvas6->setToolTip(utf8("縮小"));
    Canvas6->setBackdrop(m_pictures.smal());
    Canvas6->hide();
    Canvas7 = canvas(layout::Canvas7, &Window1::Canvas7_MouseDown, &Window1::Canvas7_MouseUp);
    Canvas7->setToolTip(utf8("設定"));
    Canvas7->setBackdrop(m_pictures.Set());
    Canvas7->hide();
    // Names for assistive technology; the pictures say nothing to a screen reader.
    static const char *const buttonNames[] = { "前の年", "前の月", "今月", "次の月", "次の年", "小さく表示", "設定" };
    Canvas *const buttons[] = { Canvas1, Canvas2, Canvas3, Canvas4, Canvas5, Canvas6, Canvas7 };
    for (std::size_t i = 0; i < std::size(buttons); ++i)
        buttons[i]->setAccessibleName(utf8(buttonNames[i]));

    // The settings area, right of the calendar.
    const QFont font12 = osaka(12);
    Slider1 = new QSlider(Qt::Horizontal, this);
    place(Slider1, layout::Slider1);
    Slider1->setRange(50, 100);
    Slider1->setValue(100);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(20);
    Slider1->setTracking(false);
    connect(Slider1, &QSlider::valueChanged, this, &Window1::Slider1_ValueChanged);

    StaticText1[1] = new StaticText(utf8("透明度　　　　　　　　　%"), 12, this);
    place(StaticText1[1], layout::TransLabel);

    TransText = new StaticText(QStringLiteral("100"), 12, this);
    place(TransText, layout::TransText);
    TransText->setAlignment(Qt::AlignRight | Qt::AlignTop);

    PushButton1 = new QPushButton(utf8("背景色"), this);
    place(PushButton1, layout::PushButton1);
    PushButton1->setFont(font12);
    PushButton1->setAutoDefault(false);
    connect(PushButton1, &QPushButton::clicked, this, &Window1::PushButton1_Action);

    CheckBox1 = new QCheckBox(utf8("Dockアイコン"), this);
    place(CheckBox1, layout::CheckBox1);
    CheckBox1->setFont(font12);
    // Raised on every change of value, from the user or from code.
    connect(CheckBox1, &QCheckBox::toggled, this, &Window1::CheckBox1_Action);

    static const char *const modeCaptions[] = { "一か月", "月日(曜日)", "日", "曜日" };
    const auto radio = [&](int index) {
        auto *button = new QRadioButton(utf8(modeCaptions[index]), this);
        place(button, layout::RadioButton1[index]);
        button->setFont(font12);
        button->setEnabled(false);
        // The design selection is made before the handler is connected.
        if (index == 0)
            button->setChecked(true);
        connect(button, &QRadioButton::toggled, this, [this, index](bool on) {
            if (on)
                RadioButton1_Action(index);
        });
        RadioButton1[static_cast<std::size_t>(index)] = button;
    };
    radio(0);

    BevelButton1 = new QPushButton(utf8("設定"), this);
    place(BevelButton1, layout::BevelButton1);
    BevelButton1->setFont(osaka(10));
    BevelButton1->setFocusPolicy(Qt::NoFocus);
    BevelButton1->setFlat(true);
    BevelButton1->setAutoDefault(false);
    BevelButton1->setStyleSheet(QStringLiteral("QPushButton { border: none; border-bottom: 1px solid #b0b0b0;"
                                               " background: #e8e8e8; }"));

    radio(1);
    radio(2);
    radio(3);

    PushButton3 = new QPushButton(utf8("設定保存"), this);
    place(PushButton3, layout::PushButton3);
    PushButton3->setFont(font12);
    PushButton3->setAutoDefault(false);
    connect(PushButton3, &QPushButton::clicked, this, &Window1::PushButton3_Action);

    PushButton2 = new QPushButton(utf8("閉じる"), this);
    place(PushButton2, layout::PushButton2);
    PushButton2->setFont(font12);
    PushButton2->setDefault(true);
    connect(PushButton2, &QPushButton::clicked, this, &Window1::PushButton2_Action);

    // Lies below every size of the window and is never shown.
    PushButton4 = new QPushButton(utf8("設定削除"), this);
    place(PushButton4, layout::PushButton4);
    PushButton4->setFont(font12);
    PushButton4->hide();

    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() != Qt::NoFocus)
            m_focusPolicies.emplace_back(child, child->focusPolicy());
    }
}

void Window1::createDayCells()
{
    D[0] = StaticText1[0];
    for (int k = 1; k <= MonthGrid::CellCount; ++k) {
        auto *cell = new StaticText(QString(), StaticText1[0]->font().pixelSize(), this);
        cell->setObjectName(QStringLiteral("D%1").arg(k));
        place(cell, cellRect(k));
        // The 15 x 15 cells overlap on their 14 x 12 pitch; each takes the pointer
        // only over its own pitch, so the tooltip under the digits is their day's.
        cell->setMask(QRegion(0, 0, layout::CellPitchX, layout::CellPitchY));
        cell->show();
        D[static_cast<std::size_t>(k)] = cell;
    }
    // The corner buttons stay clickable above the sixth row.
    Canvas7->raise();
    Canvas6->raise();
}

void Window1::Open()
{
    // The normal calendar size. Without saved settings the desktop places the window.
    setFixedSize(layout::LargeSize.width, layout::LargeSize.height);

    const QDate today = m_services.clock.today();
    Start_Year = today.year();
    Start_Month = today.month();
    Start_Day = today.day();

    int red = 0;
    int green = 0;
    int blue = 0;
    // Restoring the box and the mode raises their Actions before the day cells
    // exist; the tile waits for the end of the opening.
    Module1::Flag_Start = false;
    if (const std::optional<settings::Settings> saved = settings::readSettingsFile(m_settingsPath)) {
        Win_Top = saved->top;
        Win_Left = saved->left;
        red = saved->red;
        green = saved->green;
        blue = saved->blue;
        Win_Small = saved->small;
        Module1::Trans = saved->trans;
        // Both raise their handlers when the value changes.
        CheckBox1->setChecked(saved->dock);
        RadioButton1[static_cast<std::size_t>(std::clamp(saved->mode, 0, 3))]->setChecked(true);
        setWindowRect({ Win_Left, Win_Top, width(), height() });
    }
    Module1::Flag_Start = true;

    createDayCells();

    Reset_Day();
    Disp_Title();
    Present_Set();

    Module1::My_Col = QColor(red, green, blue);
    if (Module1::My_Col == QColor(0, 0, 0))
        Module1::My_Col = QColor(255, 255, 255);
    setBackColor(Module1::My_Col);

    // Until the window manager has framed the window its frame is unknown; the
    // first exposure corrects again with the frame (eventFilter).
    const QMargins m = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const std::vector<Rect> screens = screenRects();
    const Rect onScreen = openingRect(windowRect(), { m.left(), m.top(), m.right(), m.bottom() }, screens);
    if (onScreen != windowRect())
        setWindowRect(onScreen);

    showDayText();

    if (Win_Small) {
        Small_Win();
        Canvas1->setEnabled(false);
        Canvas1->setBackdrop(m_pictures.Blank());
        DayTxt->show();
    }

    if (Module1::Trans == 0)
        Module1::Trans = 100;
    Module1::SetWindowTransparency(this, static_cast<float>(Module1::Trans / 100.0));
    TransText->setText(QString::number(Module1::Trans));
    Slider1->setValue(Module1::Trans);

    Win_Top = windowRect().top;
    Win_Left = windowRect().left;

    if (CheckBox1->isChecked())
        Draw_Dock();

    Timer1->start();

    focusVisibleControls();
}

void Window1::Timer1_Action()
{
    Check_Day();
}

void Window1::Check_Day()
{
    const QDate today = m_services.clock.today();
    // The whole date: after a resume or a clock change the day number alone may match.
    if (today.day() == Start_Day && today.month() == Start_Month && today.year() == Start_Year)
        return;
    setWindowTitle(titleFor(today));
    Start_Year = today.year();
    Start_Month = today.month();
    Start_Day = today.day();
    Reset_Day();
    Present_Set();
    // In either mode: the shrink button shows DayTxt as it stands, so in large
    // mode it must not keep the day before midnight.
    showDayText();
    if (CheckBox1->isChecked())
        Draw_Dock();
}

void Window1::showDayText()
{
    const int k = calendar::Get_Week(Start_Year, Start_Month, 1) + Start_Day - 1;
    if (k < 1 || k > MonthGrid::CellCount)
        return;
    const StaticText *cell = D[static_cast<std::size_t>(k)];
    DayTxt->setText(cell->text());
    DayTxt->setTextColor(cell->textColor());
}

void Window1::Reset_Day()
{
    m_grid.Reset_Day();
}

void Window1::Set_Day(int offset, int days)
{
    m_grid.Set_Day(offset, days);
}

void Window1::Set_Bold(int cell)
{
    m_grid.Set_Bold(cell);
}

void Window1::Set_Red(int cell)
{
    m_grid.Set_Red(cell);
}

void Window1::showMonth(int year, int month, int todayDay)
{
    m_viewYear = year;
    m_viewMonth = month;
    YearTxt->setTextIfChanged(QString::number(year));
    TukTxt->setTextColor(toQColor(colours::MonthGreen));
    TukTxt->setTextIfChanged(QString::number(month));
    NenTxt->setTextIfChanged(QString::fromStdString(calendar::Nen(year)));
    const int offset = calendar::Get_Week(year, month, 1);
    const int days = calendar::Month_Long(year, month);
    Set_Day(offset, days);
    if (todayDay > 0)
        Set_Bold(todayDay + offset - 1);
    calendar::Cong_Day(year, month, offset, m_grid);
    showCells();
    nameCells(year, month, offset);
    Disp_Day();
}

void Window1::showCells()
{
    for (int k = 1; k <= MonthGrid::CellCount; ++k) {
        StaticText *label = D[static_cast<std::size_t>(k)];
        if (!label)
            continue;
        const Cell &cell = m_grid.cell(k);
        label->setTextIfChanged(QString::fromStdString(cell.text));
        label->setTextColor(toQColor(cell.colour));
        label->setUnderline(cell.underline);
        label->setToolTipIfChanged(m_koyomi.cellToolTip(cell.holiday, m_viewYear, m_viewMonth, k));
    }
}

void Window1::Present_Set()
{
    const QDate today = m_services.clock.today();
    showMonth(today.year(), today.month(), today.day());
}

QString Window1::titleFor(const QDate &date) const
{
    // QDate counts Monday = 1 .. Sunday = 7; the calendar counts Sunday = 1.
    const int weekday = date.dayOfWeek() % 7 + 1;
    return QStringLiteral("%1.%2.%3").arg(date.month()).arg(date.day()).arg(weekdayCharacter(weekday));
}

void Window1::Disp_Title()
{
    setWindowTitle(titleFor(m_services.clock.today()));
}

void Window1::Disp_Day()
{
    if (!Win_Small)
        Canvas1->setBackdrop(m_pictures.BakYea());
    Canvas2->setBackdrop(m_pictures.BakMon());
    Canvas3->setBackdrop(m_pictures.Reset());
    Canvas4->setBackdrop(m_pictures.NextMon());
    Canvas5->setBackdrop(m_pictures.NextYea());
}

void Window1::nameCells(int year, int month, int offset)
{
    for (int k = 1; k <= MonthGrid::CellCount; ++k) {
        StaticText *label = D[static_cast<std::size_t>(k)];
        if (!label)
            continue;
        const int day = k - offset + 1;
        QString name;
        if (day >= 1 && day <= calendar::Month_Long(year, month)) {
            const int weekday = (k - 1) % 7 + 1;
            name = QStringLiteral("%1年%2月%3日(%4)").arg(year).arg(month).arg(day).arg(weekdayCharacter(weekday));
            const std::string &holiday = m_grid.cell(k).holiday;
            if (!holiday.empty())
                name += QLatin1Char(' ') + QString::fromStdString(holiday);
        }
        if (label->accessibleName() != name)
            label->setAccessibleName(name);
    }
}

void Window1::Set_Color()
{
    hide();
    QColor colour = Module1::My_Col;
    // On Cancel the colour keeps its starting value and is applied again unchanged.
    m_services.colorPicker.SelectColor(colour, utf8("背景色を選んでください。"));
    setBackColor(colour);
    Module1::My_Col = colour;
    show();
}

void Window1::setBackColor(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

Rect Window1::windowRect() const
{
    const QRect g = geometry();
    return { g.x(), g.y(), g.width(), g.height() };
}

void Window1::setWindowRect(const Rect &rect)
{
    setFixedSize(rect.width, rect.height);
    setGeometry(rect.left, rect.top, rect.width, rect.height);
    focusVisibleControls();
}

void Window1::focusVisibleControls()
{
    // Keys act only on what the user sees: a control out of the visible part
    // of the window cannot be reached with Tab nor keep the focus.
    for (const auto &[control, policy] : m_focusPolicies)
        control->setFocusPolicy(rect().intersects(control->geometry()) ? policy : Qt::NoFocus);
    if (width() != layout::SettingsSize.width)
        setFocus(Qt::OtherFocusReason);
}

std::vector<Rect> Window1::screenRects() const
{
    std::vector<Rect> result;
    for (const QRect &g : m_services.screens.geometries())
        result.push_back({ g.x(), g.y(), g.width(), g.height() });
    return result;
}

Rect Window1::screenRect() const
{
    return screenOf(windowRect(), screenRects());
}

void Window1::Small_Win()
{
    setWindowRect(smallWinRect(windowRect(), screenRect()));
}

void Window1::Large_Win()
{
    setWindowRect(largeWinRect(windowRect(), screenRect()));
}

void Window1::Save_State()
{
    Large_Win();
    const Rect at = windowRect();
    settings::Settings s;
    s.top = at.top;
    s.left = at.left;
    s.red = Module1::My_Col.red();
    s.green = Module1::My_Col.green();
    s.blue = Module1::My_Col.blue();
    s.small = Win_Small;
    s.trans = Module1::Trans;
    s.dock = CheckBox1->isChecked();
    s.mode = Module1::MyDock;
    settings::writeSettingsFile(m_settingsPath, s);
}

void Window1::Save_For_Session()
{
    const Rect before = windowRect();
    Save_State();
    setWindowRect(before);
}

bool Window1::My_Pref()
{
    // From the tile (its shortcut, the tray menu) the calendar comes back first,
    // as a press on the tile brings it, so that the settings area opens beside it.
    if (Win_Small)
        MouseDown(0, 0);
    setWindowRect(settingsWinRect(windowRect(), screenRect()));
    return false;
}

bool Window1::FileQuit()
{
    Save_State();
    Quit();
    return false;
}

void Window1::closeEvent(QCloseEvent *event)
{
    // Closing the calendar always saves and ends the application.
    event->accept();
    Save_State();
    Quit();
}

// --- Picture buttons ---

bool Window1::Canvas1_MouseDown(int, int)
{
    // In small mode the press goes on to the window, which restores the calendar.
    if (Win_Small)
        return false;
    Canvas1->setBackdrop(m_pictures.BakYea2());
    return true;
}

bool Window1::Canvas2_MouseDown(int, int)
{
    Canvas2->setBackdrop(m_pictures.BakMon2());
    return true;
}

bool Window1::Canvas3_MouseDown(int, int)
{
    Canvas3->setBackdrop(m_pictures.Reset2());
    return true;
}

bool Window1::Canvas4_MouseDown(int, int)
{
    Canvas4->setBackdrop(m_pictures.NextMon2());
    return true;
}

bool Window1::Canvas5_MouseDown(int, int)
{
    Canvas5->setBackdrop(m_pictures.NextYea2());
    return true;
}

bool Window1::Canvas6_MouseDown(int, int)
{
    Canvas6->setBackdrop(m_pictures.smal2());
    return true;
}

bool Window1::Canvas7_MouseDown(int, int)
{
    Canvas7->setBackdrop(m_pictures.Set2());
    return true;
}

void Window1::stepRelease(Step step, Canvas *button, const QPixmap &normal)
{
    int y = m_viewYear;
    int m = m_viewMonth;
    switch (step) {
    case Step::YearBack:
        y = stepYear(y, -1);
        break;
    case Step::MonthBack:
        if (m > 1) {
            --m;
        } else if (y != std::numeric_limits<int>::min()) {
            m = 12;
            --y;
        }
        break;
    case Step::MonthForward:
        if (m < 12) {
            ++m;
        } else if (y != std::numeric_limits<int>::max()) {
            m = 1;
            ++y;
        }
        break;
    case Step::YearForward:
        y = stepYear(y, 1);
        break;
    }
    goToMonth(y, m);
    button->setBackdrop(normal);
}

void Window1::goToMonth(int year, int month)
{
    Q_ASSERT(month >= 1 && month <= 12);
    Reset_Day();
    const QDate today = m_services.clock.today();
    if (today.year() == year && today.month() == month)
        Present_Set();
    else
        showMonth(year, month, 0);
}

void Window1::Canvas1_MouseUp(int, int)
{
    stepRelease(Step::YearBack, Canvas1, m_pictures.BakYea());
}

void Window1::Canvas2_MouseUp(int, int)
{
    stepRelease(Step::MonthBack, Canvas2, m_pictures.BakMon());
}

void Window1::Canvas3_MouseUp(int, int)
{
    Reset_Day();
    Present_Set();
    Canvas3->setBackdrop(m_pictures.Reset());
}

void Window1::Canvas4_MouseUp(int, int)
{
    stepRelease(Step::MonthForward, Canvas4, m_pictures.NextMon());
}

void Window1::Canvas5_MouseUp(int, int)
{
    stepRelease(Step::YearForward, Canvas5, m_pictures.NextYea());
}

void Window1::Canvas6_MouseUp(int, int)
{
    Canvas6->setBackdrop(m_pictures.smal());
    Small_Win();
    Win_Small = true;
    DayTxt->show();
    Canvas1->setBackdrop(m_pictures.Blank());
}

void Window1::Canvas7_MouseUp(int, int)
{
    Canvas7->setBackdrop(m_pictures.Set());
    openWindow2();
}

void Window1::openWindow2()
{
    if (!m_window2)
        m_window2 = new settings::Window2(*this, m_services.colorPicker, m_services.dockTile, this);
    m_window2->show();
    m_window2->raise();
    for (int i = 0; i < 4; ++i) {
        if (RadioButton1[static_cast<std::size_t>(i)]->isChecked())
            m_window2->RadioButton1[static_cast<std::size_t>(i)]->setChecked(true);
    }
    m_window2->TransText->setText(TransText->text());
    // A slider already at the value raises no ValueChanged, yet Trans must follow
    // the copy: a new window starts at 100 whatever its last slider was.
    const bool unchanged = m_window2->Slider1->value() == Slider1->value();
    m_window2->Slider1->setValue(Slider1->value());
    if (unchanged)
        m_window2->Slider1_ValueChanged();
}

settings::Window2 *Window1::window2() const
{
    return m_window2.data();
}

// --- Window mouse and keys ---

bool Window1::MouseDown(int, int)
{
    if (Win_Small) {
        Win_Small = false;
        Canvas1->setEnabled(true);
        Canvas1->setBackdrop(m_pictures.BakYea());
        DayTxt->hide();
        Large_Win();
    }
    return false;
}

void Window1::MouseMove(int x, int y)
{
    if (y > layout::CornerShowY && x > layout::CornerShowX) {
        Canvas6->show();
        Canvas7->show();
    }
}

void Window1::MouseExit()
{
    Canvas6->hide();
    Canvas7->hide();
}

void Window1::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    MouseDown(at.x(), at.y());
    event->accept();
}

void Window1::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    MouseMove(at.x(), at.y());
}

void Window1::leaveEvent(QEvent *)
{
    MouseExit();
}

bool Window1::navigationAllowed() const
{
    return !Win_Small && D[1] != nullptr;
}

void Window1::keyPressEvent(QKeyEvent *event)
{
    if (!navigationAllowed()) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        Canvas2_MouseUp(0, 0);
        break;
    case Qt::Key_Right:
        Canvas4_MouseUp(0, 0);
        break;
    case Qt::Key_PageUp:
        Canvas1_MouseUp(0, 0);
        break;
    case Qt::Key_PageDown:
        Canvas5_MouseUp(0, 0);
        break;
    case Qt::Key_Home:
        Canvas3_MouseUp(0, 0);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Window1::changeEvent(QEvent *event)
{
    // An activated calendar takes the keys, whatever had the focus before.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        focusVisibleControls();
    QWidget::changeEvent(event);
}

void Window1::showEvent(QShowEvent *event)
{
    if (!m_frameKnown)
        windowHandle()->installEventFilter(this);
    QWidget::showEvent(event);
}

bool Window1::eventFilter(QObject *watched, QEvent *event)
{
    // Once the window manager has framed the window, the title bar is known:
    // bring it onto the screen if the opening position left it off.
    if (!m_frameKnown && watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        m_frameKnown = true;
        windowHandle()->removeEventFilter(this);
        const QMargins m = windowHandle()->frameMargins();
        const Rect onScreen
            = keepFrameOnScreen(windowRect(), { m.left(), m.top(), m.right(), m.bottom() }, screenRects());
        if (onScreen != windowRect())
            setWindowRect(onScreen);
    }
    return QWidget::eventFilter(watched, event);
}

void Window1::wheelEvent(QWheelEvent *event)
{
    if (!navigationAllowed()) {
        event->ignore();
        return;
    }
    // Fine-grained wheels and touchpads send parts of a notch; step once per notch.
    m_wheelDelta += event->angleDelta().y();
    while (m_wheelDelta >= WheelStep) {
        m_wheelDelta -= WheelStep;
        Canvas2_MouseUp(0, 0);
    }
    while (m_wheelDelta <= -WheelStep) {
        m_wheelDelta += WheelStep;
        Canvas4_MouseUp(0, 0);
    }
    event->accept();
}

// --- Settings area ---

void Window1::CheckBox1_Action()
{
    const bool on = CheckBox1->isChecked();
    if (!on)
        m_services.dockTile.ResetIcon();
    for (QRadioButton *button : RadioButton1)
        button->setEnabled(on);
    if (Module1::Flag_Start && on)
        Draw_Dock();
}

// Also raised by the preferences window, which selects the same mode here.
void Window1::RadioButton1_Action(int index)
{
    if (!RadioButton1[static_cast<std::size_t>(index)]->isChecked())
        return;
    Module1::MyDock = index;
    if (Module1::Flag_Start && CheckBox1->isChecked())
        Draw_Dock();
}

void Window1::Slider1_ValueChanged()
{
    if (Slider1->value() < 5)
        Slider1->setValue(5);
    const int value = Slider1->value();
    Module1::SetWindowTransparency(this, static_cast<float>(value / 100.0));
    TransText->setText(QString::number(value));
    Module1::Trans = value;
    // The preferences window's slider follows; it writes the same value back,
    // which changes nothing here.
    if (m_window2)
        m_window2->Slider1->setValue(value);
}

void Window1::PushButton1_Action()
{
    Set_Color();
}

void Window1::PushButton2_Action()
{
    setWindowRect({ windowRect().left, windowRect().top, layout::LargeSize.width, layout::LargeSize.height });
}

void Window1::PushButton3_Action()
{
    Save_State();
}

QCheckBox *Window1::dockCheckBox()
{
    return CheckBox1;
}

QWidget *Window1::mainWidget()
{
    return this;
}

QSlider *Window1::transparencySlider()
{
    return Slider1;
}

QRadioButton *Window1::modeRadioButton(int index)
{
    return RadioButton1[static_cast<std::size_t>(index)];
}

const MonthGrid &Window1::grid() const
{
    return m_grid;
}

int Window1::viewYear() const
{
    return m_viewYear;
}

int Window1::viewMonth() const
{
    return m_viewMonth;
}

PictureSet &Window1::pictures()
{
    return m_pictures;
}

} // namespace mainwindow
