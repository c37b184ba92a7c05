#pragma once

class QCheckBox;
class QColor;
class QRadioButton;
class QSlider;
class QWidget;

namespace settings
{

// What the preferences window writes through to: the main window holds every
// setting, either in Module1 or in one of its own controls.
class MainWindowLink
{
public:
    virtual ~MainWindowLink() = default;
    virtual QCheckBox *dockCheckBox() = 0;
    virtual QRadioButton *modeRadioButton(int index) = 0;
    virtual void setBackColor(const QColor &colour) = 0;
    virtual QWidget *mainWidget() = 0;
    virtual QSlider *transparencySlider() = 0;
    virtual void Draw_Dock() = 0;
    virtual void Save_State() = 0;
};

} // namespace settings
