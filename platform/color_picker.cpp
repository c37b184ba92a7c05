#include "platform/color_picker.h"

#include <QColorDialog>

namespace platform
{

bool QtColorPicker::SelectColor(QColor &colour, const QString &prompt)
{
    QColorDialog dialog(colour);
    dialog.setWindowTitle(prompt);
    // Above the calendar, which floats above every window; a native dialog
    // would ignore the hint.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    colour = dialog.selectedColor();
    return true;
}

} // namespace platform
