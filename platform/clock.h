#pragma once

#include <QDate>

namespace platform
{

// Today's local date. Everything that needs "today" asks a Clock, so tests can
// cross midnight, month ends and year ends at will.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDate today() const override;
};

} // namespace platform
