#include "settings/window2.h"

#include "platform/color_picker.h"
#include "platform/dock_tile.h"
#include "settings/main_window_link.h"
#include "settings/module1.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace settings
{

namespace
{

    QString utf8(const char *text)
    {
        return QString::fromUtf8(text);
    }

    QFont osaka12()
    {
        QFont f(QStringLiteral("Osaka"));
        f.setPixelSize(12);
        return f;
    }

    template <typename W> W *placed(W *widget, int left, int top, int width, int height)
    {
        widget->setGeometry(left, top, width, height);
        widget->setFont(osaka12());
        return widget;
    }

    QLabel *blackLabel(const QString &text, Qt::Alignment alignment, QWidget *parent)
    {
        auto *label = new QLabel(text, parent);
        label->setAlignment(alignment | Qt::AlignTop);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(p);
        return label;
    }

} // namespace

Window2::Window2(
    MainWindowLink &window1, platform::ColorPicker &colorPicker, platform::DockTile &dockTile, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowStaysOnTopHint)
    , m_window1(window1)
    , m_colorPicker(colorPicker)
    , m_dockTile(dockTile)
{
    setObjectName(QStringLiteral("Window2"));
    setWindowTitle(utf8("設定"));
    setFixedSize(298, 329);
    setModal(true);
    // Closing discards the window; the next request builds a new one.
    setAttribute(Qt::WA_DeleteOnClose);

    Slider1 = placed(new QSlider(Qt::Horizontal, this), 94, 69, 174, 18);
    Slider1->setRange(50, 100);
    Slider1->setValue(100);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(20);
    Slider1->setTracking(false);
    connect(Slider1, &QSlider::valueChanged, this, &Window2::Slider1_ValueChanged);

    StaticText1[0] = placed(blackLabel(utf8("透明度　　　　　　　　　%"), Qt::AlignLeft, this), 8, 67, 92, 20);

    PushButton1 = placed(new QPushButton(utf8("背景色"), this), 12, 35, 59, 20);
    PushButton1->setAutoDefault(false);
    connect(PushButton1, &QPushButton::clicked, this, &Window2::PushButton1_Action);

    CheckBox1 = placed(new QCheckBox(utf8("Dockアイコン"), this), 6, 4, 96, 20);
    connect(CheckBox1, &QCheckBox::toggled, this, &Window2::CheckBox1_Action);

    static const char *const captions[] = { "一か月", "月日(曜日)", "日", "曜日" };
    static const int geometry[4][4]
        = { { 103, 4, 67, 20 }, { 172, 4, 80, 20 }, { 103, 27, 67, 20 }, { 172, 27, 80, 20 } };
    for (int i = 0; i < 4; ++i) {
        const auto *g = geometry[i];
        auto *button = placed(new QRadioButton(utf8(captions[i]), this), g[0], g[1], g[2], g[3]);
        button->setEnabled(false);
        // The design selection, made before the handler is connected: it must not
        // write element 0 through into the main window.
        if (i == 0)
            button->setChecked(true);
        connect(button, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                RadioButton1_Action(i);
        });
        RadioButton1[static_cast<std::size_t>(i)] = button;
    }

    PushButton3 = placed(new QPushButton(utf8("設定保存"), this), 77, 298, 69, 20);
    PushButton3->setAutoDefault(false);
    connect(PushButton3, &QPushButton::clicked, this, &Window2::PushButton3_Action);

    PushButton2 = placed(new QPushButton(utf8("閉じる"), this), 227, 298, 57, 20);
    PushButton2->setDefault(true);
    connect(PushButton2, &QPushButton::clicked, this, &Window2::PushButton2_Action);

    TransText = placed(blackLabel(QStringLiteral("100"), Qt::AlignRight, this), 47, 69, 27, 15);
}

void Window2::PushButton1_Action()
{
    hide();
    QColor colour = Module1::My_Col;
    // On Cancel the colour keeps its starting value and is applied again unchanged.
    m_colorPicker.SelectColor(colour, utf8("背景色を選んでください。"));
    m_window1.setBackColor(colour);
    Module1::My_Col = colour;
    // A dialog is centred over its parent on every show unless it was placed:
    // come back where the user left it.
    setAttribute(Qt::WA_Moved);
    show();
}

void Window2::CheckBox1_Action()
{
    const bool on = CheckBox1->isChecked();
    QCheckBox *mainBox = m_window1.dockCheckBox();
    // Setting the main window's box raises its own handler when its value changes,
    // which resets or composes the tile; otherwise this one composes it.
    const bool mainBoxChanges = mainBox->isChecked() != on;
    mainBox->setChecked(on);
    if (!on)
        m_dockTile.ResetIcon();
    for (QRadioButton *button : RadioButton1)
        button->setEnabled(on);
    if (on && !mainBoxChanges)
        m_window1.Draw_Dock();
}

void Window2::RadioButton1_Action(int index)
{
    if (!RadioButton1[static_cast<std::size_t>(index)]->isChecked())
        return;
    Module1::MyDock = index;
    // The main window's handler redraws the tile when the option is on.
    m_window1.modeRadioButton(index)->setChecked(true);
}

void Window2::PushButton3_Action()
{
    m_window1.Save_State();
}

void Window2::PushButton2_Action()
{
    close();
}

void Window2::Slider1_ValueChanged()
{
    if (Slider1->value() < 5)
        Slider1->setValue(5);
    const int value = Slider1->value();
    Module1::SetWindowTransparency(m_window1.mainWidget(), static_cast<float>(value / 100.0));
    TransText->setText(QString::number(value));
    Module1::Trans = value;
    // The main window's slider and number follow, so that reopening this window,
    // which copies them, keeps the value.
    m_window1.transparencySlider()->setValue(value);
}

} // namespace settings
