// SPDX-License-Identifier: GPL-3.0-or-later
// A picture button.
#include "mainwindow/canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace mainwindow
{

Canvas::Canvas(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void Canvas::setBackdrop(const QPixmap &picture)
{
    m_backdrop = picture;
    update();
}

const QPixmap &Canvas::backdrop() const
{
    return m_backdrop;
}

void Canvas::paintEvent(QPaintEvent *)
{
    if (m_backdrop.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_backdrop);
}

void Canvas::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    m_pressTaken = event->button() == Qt::LeftButton && MouseDown && MouseDown(at.x(), at.y());
    if (m_pressTaken)
        event->accept();
    else
        event->ignore();
}

void Canvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressTaken || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressTaken = false;
    const QPoint at = event->position().toPoint();
    if (MouseUp)
        MouseUp(at.x(), at.y());
}

} // namespace mainwindow
