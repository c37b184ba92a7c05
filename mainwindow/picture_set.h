// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen pictures of the picture buttons and the tile badge, read on first use.
#pragma once

#include <QPixmap>

#include <array>

namespace platform
{
class Pictures;
}

namespace mainwindow
{

// The sixteen pictures of the application, each read by its resource ID on
// first use and kept for the rest of the run. A picture that cannot be read is
// an empty picture.
class PictureSet
{
public:
    explicit PictureSet(const platform::Pictures &source);

    const QPixmap &BakMon();
    const QPixmap &BakMon2();
    const QPixmap &BakYea();
    const QPixmap &BakYea2();
    const QPixmap &Blank();
    const QPixmap &NextMon();
    const QPixmap &NextMon2();
    const QPixmap &NextYea();
    const QPixmap &NextYea2();
    const QPixmap &Reset();
    const QPixmap &Reset2();
    const QPixmap &Set();
    const QPixmap &Set2();
    const QPixmap &smal();
    const QPixmap &smal2();
    const QPixmap &Lumo2();

    // How many pictures have been read so far.
    int loadedCount() const;

private:
    static constexpr int FirstId = 168;
    static constexpr int LastId = 184;

    const QPixmap &picture(int resourceId);

    const platform::Pictures &m_source;
    std::array<QPixmap, LastId - FirstId + 1> m_pictures;
    std::array<bool, LastId - FirstId + 1> m_loaded {};
};

} // namespace mainwindow
