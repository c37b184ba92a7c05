// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include <QFont>
#include <QStringList>

#ifdef LUMO_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <thread>
#endif

namespace platform
{

void installFontSubstitutions()
{
    QStringList substitutes { QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP") };
#ifdef Q_OS_MACOS
    substitutes << QStringLiteral("Hiragino Sans");
#endif
#ifdef Q_OS_WIN
    substitutes << QStringLiteral("Yu Gothic UI") << QStringLiteral("Meiryo");
#endif
    QFont::insertSubstitutions(QStringLiteral("Osaka"), substitutes);
}

#ifdef LUMO_FONTCONFIG
namespace
{
    // Only the main thread starts and awaits it.
    std::thread &warmUp()
    {
        static std::thread thread;
        return thread;
    }
} // namespace

void startFontWarmUp()
{
    if (warmUp().joinable())
        return;
    // FcInit keeps the configuration it loads as the process's own. The first
    // text drawn, the window's or the tile's, waits for this thread
    // (awaitFontWarmUp), so Qt's font code does not run beside it.
    warmUp() = std::thread([] { FcInit(); });
}

void awaitFontWarmUp()
{
    if (warmUp().joinable())
        warmUp().join();
}
#else
void startFontWarmUp()
{
}
void awaitFontWarmUp()
{
}
#endif

} // namespace platform
