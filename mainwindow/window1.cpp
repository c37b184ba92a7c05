// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window: building its controls and day cells, and its small accessors.

#include "mainwindow/window1.h"

#include "calendar/calendar.h"
#include "mainwindow/accessibility.h"
#include "mainwindow/canvas.h"
#include "mainwindow/settings_area.h"
#include "mainwindow/static_text.h"
#include "mainwindow/window1_support.h"
#include "mainwindow/window2.h"
#include "platform/clock.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

namespace mainwindow
{

namespace
{

    QFont osaka(int pixelSize)
    {
        QFont f(QStringLiteral("Osaka"));
        f.setPixelSize(pixelSize);
        return f;
    }

    QColor headerColour(int weekday)
    {
        if (weekday == 1)
            return toQColor(colours::Red);
        return weekday == 7 ? toQColor(colours::Blue) : QColor(Qt::black);
    }

    // Tells the window when assistive technology starts or stops listening.
    class AccessibilityObserver final : public QAccessible::ActivationObserver
    {
    public:
        explicit AccessibilityObserver(std::function<void(bool)> changed)
            : m_changed(std::move(changed))
        {
            QAccessible::installActivationObserver(this);
        }
        ~AccessibilityObserver() override
        {
            QAccessible::removeActivationObserver(this);
        }
        void accessibilityActiveChanged(bool active) override
        {
            m_changed(active);
        }

    private:
        std::function<void(bool)> m_changed;
    };

} // namespace

Window1::Window1(const Services &services, QString settingsPath, QWidget *parent)
    // A normal window, not a tool window: it has a task-bar entry to come back
    // from when minimised, and floats above the others all the same.
    : QWidget(parent,
        Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint)
    , Quit([] { QCoreApplication::exit(0); })
    , m_services(services)
    , m_settingsPath(std::move(settingsPath))
    , m_saver(m_settingsPath, this)
    , m_koyomi(m_settingsPath, m_store)
    , m_pictures(services.pictures)
{
    setObjectName(QStringLiteral("Window1"));
    setWindowTitle(QString());
    setFixedSize(layout::DesignSize.width, layout::DesignSize.height);
    setAutoFillBackground(true);
    // Black text by inheritance: the calendar's texts then set their own colour
    // only where it is not black, which spares a palette for most of them.
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // A floating calendar is rarely the active window; show its holiday names anyway.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setAttribute(Qt::WA_MacAlwaysShowToolWindow);
    // Before any control exists: an assistive technology already running keeps
    // the first interface it is given for each one.
    installAccessibility();
    createPictureButtons();
    createLabels();
    // Each tick asks the clock when to tick next: once a second with a clock
    // that does not know, else at midnight or a minute on. Precise, so that
    // midnight is not passed by the slack of a coarse timer.
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Window1::Timer1_Action);
    createSettingsArea();
    for (QWidget *child : findChildren<QWidget *>()) {
        if (child->focusPolicy() != Qt::NoFocus)
            m_focusPolicies.emplace_back(child, child->focusPolicy());
    }
    m_store.setKoyomiShown(m_koyomi.readOption());
    followStore();
    m_screenReader = QAccessible::isActive();
    m_accessibility = std::make_unique<AccessibilityObserver>([this](bool active) {
        m_screenReader = active;
        if (active && D[1])
            nameCells(m_viewYear, m_viewMonth, calendar::prolepticWeekday(m_viewYear, m_viewMonth, 1));
    });
}

Window1::~Window1()
{
    m_services.clock.watchClockSet({});
    delete m_window2.data();
}

void Window1::createLabels()
{
    DayTxt = new StaticText(QStringLiteral("31"), 9, this);
    place(DayTxt, layout::DayTxt);
    DayTxt->setBold(true);
    DayTxt->hide();

    YearTxt = new StaticText(QStringLiteral("2000"), 9, this);
    place(YearTxt, layout::YearTxt);

    static const char *const weekdays[] = { "日", "月", "火", "水", "木", "金", "土" };
    static const Rect rects[]
        = { layout::Sun, layout::Mon, layout::Tue, layout::Wed, layout::Thu, layout::Fri, layout::Sat };
    for (std::size_t i = 0; i < m_headers.size(); ++i) {
        auto *label = new StaticText(utf8(weekdays[i]), 9, this);
        place(label, rects[i]);
        label->setTextColor(headerColour(static_cast<int>(i) + 1));
        m_headers[i] = label;
    }

    TukTxt = new StaticText(QStringLiteral("12"), 12, this);
    place(TukTxt, layout::TukTxt);
    TukTxt->setBold(true);
    TukTxt->setTextColor(QColor(0, 127, 0));

    m_cellTemplate = new StaticText(QStringLiteral("Dammy"), 9, this);
    place(m_cellTemplate, layout::CellTemplate);

    NenTxt = new StaticText(utf8("平成12年"), 9, this);
    place(NenTxt, layout::NenTxt);
}

void Window1::createSettingsArea()
{
    SettingsArea::Options options;
    options.save = [this] { Save_State(); };
    options.preview = [this](const QColor &colour) { setBackColor(colour); };
    options.close = [this] {
        const Rect calendar = calendarRect();
        setWindowRect({ calendar.left, calendar.top, layout::LargeSize.width, layout::LargeSize.height });
    };
    m_area = new SettingsArea(
        m_store, m_services.colorPicker, layout::Window1Area, QPoint(layout::AreaLeft, 0), std::move(options), this);

    BevelButton1 = new QPushButton(utf8("設定"), this);
    place(BevelButton1, layout::BevelButton1);
    BevelButton1->setFont(osaka(10));
    BevelButton1->setFocusPolicy(Qt::NoFocus);
    BevelButton1->setFlat(true);
    BevelButton1->setAutoDefault(false);
    BevelButton1->setStyleSheet(QStringLiteral("QPushButton { border: none; border-bottom: 1px solid #b0b0b0;"
                                               " background: #e8e8e8; }"));
    // The area's empty parts lie over the title bar; the bar stays below its controls.
    BevelButton1->lower();

    // Lies below every size of the window and is never shown.
    PushButton4 = new QPushButton(utf8("設定削除"), this);
    place(PushButton4, layout::PushButton4);
    PushButton4->setFont(osaka(12));
    PushButton4->hide();
}

void Window1::createDayCells()
{
    D[0] = m_cellTemplate;
    for (int k = 1; k <= MonthGrid::CellCount; ++k) {
        auto *cell = new StaticText(QString(), m_cellTemplate->font().pixelSize(), this);
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

Window2 *Window1::window2() const
{
    return m_window2.data();
}

settings::SettingsStore &Window1::store()
{
    return m_store;
}

SettingsArea &Window1::settingsArea() const
{
    return *m_area;
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
