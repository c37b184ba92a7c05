#include "platform/screens.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform
{

QSize QtScreens::firstScreenSize() const
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return {};
    return screens.first()->geometry().size();
}

} // namespace platform
