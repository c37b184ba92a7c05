// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

namespace platform
{

// A modal colour picker. Starts from colour and writes the choice back into it;
// returns whether the user confirmed. On Cancel the colour is left as it was.
class ColorPicker
{
public:
    virtual ~ColorPicker() = default;
    virtual bool SelectColor(QColor &colour, const QString &prompt) = 0;
};

class QtColorPicker final : public ColorPicker
{
public:
    bool SelectColor(QColor &colour, const QString &prompt) override;
};

} // namespace platform
