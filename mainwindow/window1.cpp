// The calendar window: building its controls and day cells, and its small accessors.

#include "mainwindow/window1.h"

#include "calendar/calendar.h"
#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "mainwindow/window1_support.h"
#include "settings/window2.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

namespace mainwindow
{

namespace
{

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

    constexpr int TimerPeriodMs = 1000;

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
    m_screenReader = QAccessible::isActive();
    m_accessibility = std::make_unique<AccessibilityObserver>([this](bool active) {
        m_screenReader = active;
        if (active && D[1])
            nameCells(m_viewYear, m_viewMonth, calendar::Get_Week(m_viewYear, m_viewMonth, 1));
    });
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

settings::Window2 *Window1::window2() const
{
    return m_window2.data();
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
