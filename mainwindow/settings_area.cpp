// SPDX-License-Identifier: GPL-3.0-or-later
// The settings controls: built from their rectangles, showing and changing the settings store.
#include "mainwindow/settings_area.h"

#include "mainwindow/static_text.h"
#include "mainwindow/window1_support.h"
#include "platform/color_picker.h"
#include "settings/settings_store.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace mainwindow
{

namespace
{

    QFont osaka12()
    {
        QFont f(QStringLiteral("Osaka"));
        f.setPixelSize(12);
        return f;
    }

    QRect qRect(const Rect &r)
    {
        return { r.left, r.top, r.width, r.height };
    }

    // What the area covers, from origin to the far corner of its controls.
    QRect areaRect(const layout::SettingsAreaRects &r, QPoint origin)
    {
        QRect all = qRect(r.Slider1) | qRect(r.TransLabel) | qRect(r.TransText) | qRect(r.PushButton1)
            | qRect(r.CheckBox1) | qRect(r.PushButton3) | qRect(r.PushButton2);
        for (const Rect &radio : r.RadioButton1)
            all |= qRect(radio);
        return QRect(origin, all.bottomRight());
    }

    // The slowest a slider may make the window: values below come only from code.
    constexpr int TransFloor = 5;

} // namespace

SettingsArea::SettingsArea(settings::SettingsStore &store, platform::ColorPicker &colorPicker,
    const layout::SettingsAreaRects &rects, QPoint origin, Options options, QWidget *parent)
    : QWidget(parent)
    , m_store(store)
    , m_colorPicker(colorPicker)
    , m_origin(origin)
    , m_options(std::move(options))
{
    setGeometry(areaRect(rects, origin));
    createTransparency(rects);
    createDock(rects);
    createButtons(rects);

    showMode(store.MyDock());
    if (store.Trans() != 0)
        showTrans(store.Trans());
    showDock(m_options.boxShowsOptionAtStart && store.dockShown());
    connect(&store, &settings::SettingsStore::dockShownChanged, this, &SettingsArea::showDock);
    connect(&store, &settings::SettingsStore::modeChanged, this, &SettingsArea::showMode);
    connect(&store, &settings::SettingsStore::transChanged, this, &SettingsArea::showTrans);
}

void SettingsArea::place(QWidget *widget, const Rect &rect) const
{
    widget->setGeometry(rect.left - m_origin.x(), rect.top - m_origin.y(), rect.width, rect.height);
}

void SettingsArea::createTransparency(const layout::SettingsAreaRects &rects)
{
    Slider1 = new QSlider(Qt::Horizontal, this);
    place(Slider1, rects.Slider1);
    Slider1->setRange(50, 100);
    Slider1->setValue(100);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(20);
    Slider1->setTracking(false);
    Slider1->setAccessibleName(utf8("透明度"));
    connect(Slider1, &QSlider::valueChanged, this, &SettingsArea::Slider1_ValueChanged);

    StaticText1 = new StaticText(utf8("透明度　　　　　　　　　%"), 12, this);
    place(StaticText1, rects.TransLabel);

    TransText = new StaticText(QStringLiteral("100"), 12, this);
    place(TransText, rects.TransText);
    TransText->setAlignment(Qt::AlignRight | Qt::AlignTop);
}

void SettingsArea::createDock(const layout::SettingsAreaRects &rects)
{
    PushButton1 = new QPushButton(utf8("背景色"), this);
    place(PushButton1, rects.PushButton1);
    PushButton1->setFont(osaka12());
    PushButton1->setAutoDefault(false);
    connect(PushButton1, &QPushButton::clicked, this, &SettingsArea::PushButton1_Action);

    CheckBox1 = new QCheckBox(utf8("Dockアイコン"), this);
    place(CheckBox1, rects.CheckBox1);
    CheckBox1->setFont(osaka12());
    connect(CheckBox1, &QCheckBox::toggled, this, &SettingsArea::CheckBox1_Action);

    static const char *const captions[] = { "一か月", "月日(曜日)", "日", "曜日" };
    for (int i = 0; i < 4; ++i) {
        auto *button = new QRadioButton(utf8(captions[i]), this);
        place(button, rects.RadioButton1[i]);
        button->setFont(osaka12());
        button->setEnabled(false);
        connect(button, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                RadioButton1_Action(i);
        });
        RadioButton1[static_cast<std::size_t>(i)] = button;
    }
}

void SettingsArea::createButtons(const layout::SettingsAreaRects &rects)
{
    PushButton3 = new QPushButton(utf8("設定保存"), this);
    place(PushButton3, rects.PushButton3);
    PushButton3->setFont(osaka12());
    PushButton3->setAutoDefault(false);
    connect(PushButton3, &QPushButton::clicked, this, &SettingsArea::PushButton3_Action);

    PushButton2 = new QPushButton(utf8("閉じる"), this);
    place(PushButton2, rects.PushButton2);
    PushButton2->setFont(osaka12());
    PushButton2->setDefault(true);
    connect(PushButton2, &QPushButton::clicked, this, &SettingsArea::PushButton2_Action);
}

void SettingsArea::PushButton1_Action()
{
    QWidget *shown = window();
    if (m_options.hideWhilePicking)
        shown->hide();
    QColor colour = toQColor(m_store.My_Col());
    const platform::ColorPicker::Preview preview = [this](const QColor &c) {
        if (m_options.preview)
            m_options.preview(c);
    };
    if (m_colorPicker.SelectColor(colour, utf8("背景色を選んでください。"), preview))
        m_store.setColour({ colour.red(), colour.green(), colour.blue() });
    // After a Cancel the calendar shows the store's colour again; after an OK
    // it shows it already.
    preview(toQColor(m_store.My_Col()));
    if (m_options.hideWhilePicking) {
        // A dialog is centred over its parent on every show unless it was
        // placed: it comes back where the user left it.
        if (qobject_cast<QDialog *>(shown))
            shown->setAttribute(Qt::WA_Moved);
        shown->show();
    }
}

void SettingsArea::CheckBox1_Action()
{
    m_store.setDockShown(CheckBox1->isChecked());
}

void SettingsArea::RadioButton1_Action(int index)
{
    m_store.setMode(index);
}

void SettingsArea::Slider1_ValueChanged()
{
    m_store.setTrans(std::max(Slider1->value(), TransFloor));
}

void SettingsArea::PushButton2_Action()
{
    if (m_options.close)
        m_options.close();
}

void SettingsArea::PushButton3_Action()
{
    if (m_options.save)
        m_options.save();
}

void SettingsArea::showDock(bool on)
{
    {
        const QSignalBlocker blocker(CheckBox1);
        CheckBox1->setChecked(on);
    }
    for (QRadioButton *button : RadioButton1)
        button->setEnabled(on);
}

void SettingsArea::showMode(int mode)
{
    if (mode < 0 || mode >= static_cast<int>(RadioButton1.size()))
        return;
    QRadioButton *button = RadioButton1[static_cast<std::size_t>(mode)];
    const QSignalBlocker blocker(button);
    button->setChecked(true);
}

void SettingsArea::showTrans(int percent)
{
    {
        const QSignalBlocker blocker(Slider1);
        Slider1->setValue(percent);
    }
    // The number says what the slider shows: a hand-edited percent beyond the
    // slider's range is kept for the file but shown at the slider's end.
    TransText->setText(QString::number(Slider1->value()));
}

} // namespace mainwindow
