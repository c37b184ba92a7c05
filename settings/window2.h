#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace platform
{
class ColorPicker;
class DockTile;
} // namespace platform

namespace settings
{

class MainWindowLink;

// The preferences window "設定": the same settings as the main window's
// settings area, written through into the main window as they change.
class Window2 final : public QDialog
{
    Q_OBJECT

public:
    Window2(MainWindowLink &window1, platform::ColorPicker &colorPicker, platform::DockTile &dockTile, QWidget *parent);

    void PushButton1_Action();
    void CheckBox1_Action();
    void RadioButton1_Action(int index);
    void PushButton3_Action();
    void PushButton2_Action();
    void Slider1_ValueChanged();

    QSlider *Slider1 = nullptr;
    std::array<QLabel *, 1> StaticText1 {};
    QPushButton *PushButton1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    std::array<QRadioButton *, 4> RadioButton1 {};
    QPushButton *PushButton3 = nullptr;
    QPushButton *PushButton2 = nullptr;
    QLabel *TransText = nullptr;

private:
    MainWindowLink &m_window1;
    platform::ColorPicker &m_colorPicker;
    platform::DockTile &m_dockTile;
};

} // namespace settings
