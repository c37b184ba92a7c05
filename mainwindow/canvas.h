// SPDX-License-Identifier: GPL-3.0-or-later
// A picture button: its backdrop picture and its press and release handlers.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace mainwindow
{

// A picture button: draws nothing but its backdrop picture. A press that the
// press handler takes (returns true) is followed by the release handler
// wherever the pointer is released; a press it declines goes on to the window.
class Canvas final : public QWidget
{
    Q_OBJECT

public:
    explicit Canvas(QWidget *parent);

    void setBackdrop(const QPixmap &picture);
    const QPixmap &backdrop() const;

    std::function<bool(int x, int y)> MouseDown;
    std::function<void(int x, int y)> MouseUp;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_backdrop;
    bool m_pressTaken = false;
};

} // namespace mainwindow
