// SPDX-License-Identifier: GPL-3.0-or-later
// A text label of the calendar.
#include "mainwindow/static_text.h"

namespace mainwindow
{

StaticText::StaticText(const QString &text, int pixelSize, QWidget *parent)
    : QLabel(text, parent)
{
    QFont f(QStringLiteral("Osaka"));
    f.setPixelSize(pixelSize);
    setFont(f);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setTextColor(Qt::black);
}

QColor StaticText::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void StaticText::setTextColor(const QColor &colour)
{
    // The parent's palette gives the colour until one of its own is needed.
    if (colour == textColor())
        return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    setPalette(p);
}

bool StaticText::underline() const
{
    return font().underline();
}

void StaticText::setUnderline(bool on)
{
    if (on == underline())
        return;
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void StaticText::setBold(bool on)
{
    QFont f = font();
    f.setBold(on);
    setFont(f);
}

void StaticText::setTextIfChanged(const QString &value)
{
    if (value != text())
        setText(value);
}

void StaticText::setToolTipIfChanged(const QString &value)
{
    if (value != toolTip())
        setToolTip(value);
}

} // namespace mainwindow
