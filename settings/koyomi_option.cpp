#include "settings/koyomi_option.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace settings
{

namespace
{

    const QString key = QStringLiteral("display/koyomi");

} // namespace

QString koyomiOptionPath(const QString &settingsPath)
{
    return QFileInfo(settingsPath).dir().filePath(QStringLiteral("lumo.ini"));
}

bool readKoyomiOption(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    const QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return false;
    // QVariant::toBool would take any other word for true.
    const QString value = ini.value(key).toString().trimmed().toLower();
    return value == QLatin1String("true") || value == QLatin1String("1");
}

bool writeKoyomiOption(const QString &path, bool on)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(key, on);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

} // namespace settings
