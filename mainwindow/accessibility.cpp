// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/accessibility.h"

#include "mainwindow/canvas.h"
#include "mainwindow/settings_area.h"
#include "mainwindow/window1.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>

namespace mainwindow
{

namespace
{

    // Whether a control lies inside its window's visible size: the calendar
    // window shows only a part of its surface.
    bool inView(const QWidget *control)
    {
        const QWidget *window = control->window();
        return control == window
            || window->rect().intersects(QRect(control->mapTo(window, QPoint(0, 0)), control->size()));
    }

    QList<QWidget *> controlsInView(const QWidget *window)
    {
        QList<QWidget *> result;
        for (QObject *child : window->children()) {
            auto *control = qobject_cast<QWidget *>(child);
            if (control && !control->isWindow() && inView(control))
                result.append(control);
        }
        return result;
    }

    // A control that says it is invisible while it lies out of view.
    class InViewWidget : public QAccessibleWidget
    {
    public:
        using QAccessibleWidget::QAccessibleWidget;

        QAccessible::State state() const override
        {
            QAccessible::State s = QAccessibleWidget::state();
            if (!inView(widget())) {
                s.invisible = true;
                s.offscreen = true;
            }
            return s;
        }
    };

    // A picture button: a push button whose press action clicks it.
    class PictureButton final : public InViewWidget
    {
    public:
        explicit PictureButton(QWidget *button)
            : InViewWidget(button, QAccessible::Button)
        {
        }

        QStringList actionNames() const override
        {
            return QStringList { pressAction() } + InViewWidget::actionNames();
        }

        void doAction(const QString &name) override
        {
            if (name != pressAction()) {
                InViewWidget::doAction(name);
                return;
            }
            // A press and a release in the middle, as a click gives them: a
            // press the button declines goes on to the window, as a click's does.
            QWidget *button = widget();
            const QPointF at = QRectF(button->rect()).center();
            const QPointF global = button->mapToGlobal(at);
            QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(button, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(button, &release);
        }
    };

    // The calendar window: its children are the controls in view.
    class CalendarWindow final : public QAccessibleWidget
    {
    public:
        explicit CalendarWindow(QWidget *window)
            : QAccessibleWidget(window, QAccessible::Window)
        {
        }

        int childCount() const override
        {
            return static_cast<int>(controlsInView(widget()).size());
        }

        QAccessibleInterface *child(int index) const override
        {
            const QList<QWidget *> controls = controlsInView(widget());
            if (index < 0 || index >= controls.size())
                return nullptr;
            return QAccessible::queryAccessibleInterface(controls.at(index));
        }

        int indexOfChild(const QAccessibleInterface *child) const override
        {
            if (!child)
                return -1;
            return static_cast<int>(controlsInView(widget()).indexOf(child->object()));
        }
    };

    QAccessibleInterface *calendarInterface(const QString &className, QObject *object)
    {
        if (!object || !object->isWidgetType())
            return nullptr;
        auto *widget = static_cast<QWidget *>(object);
        if (className == QLatin1String(Canvas::staticMetaObject.className()))
            return new PictureButton(widget);
        if (className == QLatin1String(Window1::staticMetaObject.className()))
            return new CalendarWindow(widget);
        if (className == QLatin1String(SettingsArea::staticMetaObject.className()))
            return new InViewWidget(widget);
        return nullptr;
    }

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(calendarInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void announceControlsInView(QWidget *window)
{
    if (!QAccessible::isActive())
        return;
    for (QObject *child : window->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || control->isWindow() || control->isHidden())
            continue;
        QAccessibleEvent event(control, inView(control) ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace mainwindow
