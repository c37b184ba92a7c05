#pragma once

#include <QSize>

namespace platform
{

// The size of the first screen, against which the main window keeps itself on
// screen and decides which side of the screen it is on.
class Screens
{
public:
    virtual ~Screens() = default;
    virtual QSize firstScreenSize() const = 0;
};

class QtScreens final : public Screens
{
public:
    QSize firstScreenSize() const override;
};

} // namespace platform
