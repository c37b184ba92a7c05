// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include <QFont>
#include <QStringList>

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

} // namespace platform
