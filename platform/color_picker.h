// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <functional>

namespace platform
{

// A modal colour picker. Starts from colour and writes the choice back into it;
// returns whether the user confirmed. On Cancel the colour is left as it was.
// While it is open, preview gets every colour the user moves to.
class ColorPicker
{
public:
    using Preview = std::function<void(const QColor &)>;
    virtual ~ColorPicker() = default;
    virtual bool SelectColor(QColor &colour, const QString &prompt, const Preview &preview) = 0;
};

class QtColorPicker final : public ColorPicker
{
public:
    bool SelectColor(QColor &colour, const QString &prompt, const Preview &preview) override;
};

} // namespace platform
