#include "platform/color_picker.h"

#include <QColorDialog>

namespace platform
{

bool QtColorPicker::SelectColor(QColor &colour, const QString &prompt)
{
    const QColor chosen = QColorDialog::getColor(colour, nullptr, prompt);
    if (!chosen.isValid())
        return false;
    colour = chosen;
    return true;
}

} // namespace platform
