// SPDX-License-Identifier: GPL-3.0-or-later
// A text label of the calendar with its own colour and underline.
#pragma once

#include <QColor>
#include <QLabel>

namespace mainwindow
{

// A one-line text label with its own text colour and underline, as every text
// of the calendar is. Changing a value to what it already is costs nothing.
class StaticText final : public QLabel
{
    Q_OBJECT

public:
    StaticText(const QString &text, int pixelSize, QWidget *parent);

    QColor textColor() const;
    void setTextColor(const QColor &colour);
    bool underline() const;
    void setUnderline(bool on);
    void setBold(bool on);
    void setTextIfChanged(const QString &text);
    void setToolTipIfChanged(const QString &toolTip);
};

} // namespace mainwindow
