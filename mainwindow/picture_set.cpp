// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen pictures, read on first use.
#include "mainwindow/picture_set.h"

#include "platform/pictures.h"

#include <QBitmap>
#include <QGuiApplication>
#include <algorithm>

namespace mainwindow
{

namespace
{
    constexpr int BlankId = 172;
}

PictureSet::PictureSet(const platform::Pictures &source)
    : m_source(source)
{
}

const QPixmap &PictureSet::picture(int resourceId)
{
    const auto slot = static_cast<std::size_t>(resourceId - FirstId);
    if (!m_loaded[slot]) {
        QPixmap loaded = m_source.picture(resourceId, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
        // The blank picture lets the window's background show through its white.
        if (resourceId == BlankId && !loaded.isNull())
            loaded.setMask(loaded.createMaskFromColor(Qt::white));
        m_pictures[slot] = std::move(loaded);
        m_loaded[slot] = true;
    }
    return m_pictures[slot];
}

int PictureSet::loadedCount() const
{
    return static_cast<int>(std::count(m_loaded.begin(), m_loaded.end(), true));
}

// clang-format off
const QPixmap &PictureSet::BakMon() { return picture(168); }
const QPixmap &PictureSet::BakMon2() { return picture(169); }
const QPixmap &PictureSet::BakYea() { return picture(170); }
const QPixmap &PictureSet::BakYea2() { return picture(171); }
const QPixmap &PictureSet::Blank() { return picture(172); }
const QPixmap &PictureSet::NextMon() { return picture(174); }
const QPixmap &PictureSet::NextMon2() { return picture(175); }
const QPixmap &PictureSet::NextYea() { return picture(176); }
const QPixmap &PictureSet::NextYea2() { return picture(177); }
const QPixmap &PictureSet::Reset() { return picture(178); }
const QPixmap &PictureSet::Reset2() { return picture(179); }
const QPixmap &PictureSet::Set() { return picture(180); }
const QPixmap &PictureSet::Set2() { return picture(181); }
const QPixmap &PictureSet::smal() { return picture(182); }
const QPixmap &PictureSet::smal2() { return picture(183); }
const QPixmap &PictureSet::Lumo2() { return picture(184); }
// clang-format on

} // namespace mainwindow
