// SPDX-License-Identifier: GPL-3.0-or-later
// Fakes of the platform services, for the tests and the benchmarks.
#pragma once

#include "platform/clock.h"
#include "platform/color_picker.h"
#include "platform/dock_tile.h"
#include "platform/pictures.h"
#include "platform/screens.h"

#include <QColor>
#include <QDate>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace testing_support
{

class FakeClock final : public platform::Clock
{
public:
    explicit FakeClock(QDate start = QDate(2014, 12, 8))
        : date(start)
    {
    }
    QDate today() const override
    {
        return date;
    }
    int msUntilRecheck() const override
    {
        return recheckMs;
    }
    void watchClockSet(const std::function<void()> &changed) override
    {
        clockSet = changed;
    }
    QDate date;
    int recheckMs = 1000;
    // The window's handler of a clock set, to call as the kernel would.
    std::function<void()> clockSet;
};

// The first screen at the origin with the given size, then any further screens.
class FakeScreens final : public platform::Screens
{
public:
    explicit FakeScreens(QSize screen = QSize(1440, 900))
        : size(screen)
    {
    }
    QList<QRect> geometries() const override
    {
        return QList<QRect> { QRect(QPoint(0, 0), size) } + more;
    }
    bool windowPositionKnown() const override
    {
        return positionKnown;
    }
    QSize size;
    QList<QRect> more;
    bool positionKnown = true;
};

// Every picture is a plain rectangle of its button's size; IDs listed in
// missing come back empty. Counts how often each picture was read.
class FakePictures final : public platform::Pictures
{
public:
    QPixmap picture(int resourceId, qreal devicePixelRatio) const override;
    std::vector<int> missing;
    mutable std::vector<int> reads;
};

// Answers the colour picker with the prepared answer: a colour (OK) or
// nothing (Cancel). Records the prompts it was shown. While open it first
// moves through the colours of previews, then runs whileOpen.
class FakeColorPicker final : public platform::ColorPicker
{
public:
    bool SelectColor(QColor &colour, const QString &prompt, const Preview &preview) override;
    std::optional<QColor> answer;
    std::vector<QColor> previews;
    std::vector<QString> prompts;
    std::function<void()> whileOpen;
};

class FakeDockTile final : public platform::DockTile
{
public:
    void UpdateNow(const QImage &tile, const QString &toolTip) override
    {
        ++updates;
        lastTile = tile;
        lastToolTip = toolTip;
    }
    void ResetIcon() override
    {
        ++resets;
    }
    int updates = 0;
    int resets = 0;
    QImage lastTile;
    QString lastToolTip;
};

} // namespace testing_support
