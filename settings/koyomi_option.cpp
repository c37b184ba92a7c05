// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/koyomi_option.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace settings
{

namespace
{

    // Lumo writes 23 bytes; anything near this is not its file.
    constexpr std::int64_t kMaxFileBytes = std::int64_t { 64 } * 1024;

    // The INI reading of display/koyomi: "[display]" opens the group, "koyomi = value" sets
    // the key, blanks around names and values do not count, ";" and "#" start comments. Only
    // "true" and "1", in that case, turn the option on: a hand-edited word never guesses.
    bool optionIsOn(QByteArrayView text)
    {
        bool inDisplay = false;
        bool on = false;
        for (QByteArrayView line : QByteArray::fromRawData(text.data(), text.size()).split('\n')) {
            line = line.trimmed();
            if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
                continue;
            if (line.startsWith('[')) {
                if (!line.endsWith(']'))
                    return false;
                inDisplay = line == "[display]";
                continue;
            }
            const qsizetype equals = line.indexOf('=');
            if (!inDisplay || equals < 0 || line.first(equals).trimmed() != "koyomi")
                continue;
            const QByteArray value = line.sliced(equals + 1).trimmed().toByteArray();
            on = value == "true" || value == "1";
        }
        return on;
    }

} // namespace

QString koyomiOptionPath(const QString &settingsPath)
{
    return QFileInfo(settingsPath).dir().filePath(QStringLiteral("lumo.ini"));
}

KoyomiOptionFile::KoyomiOptionFile(QString path)
    : m_file(std::move(path), kMaxFileBytes, StoredFile::Longer::Unreadable)
{
}

bool KoyomiOptionFile::read()
{
    const std::optional<QByteArray> text = m_file.read();
    return text && optionIsOn(*text);
}

FileOutcome KoyomiOptionFile::write(bool on)
{
    FileOutcome outcome
        = m_file.write(on ? QByteArrayView("[display]\nkoyomi=true\n") : QByteArrayView("[display]\nkoyomi=false\n"));
    logFailedSave(outcome, "the almanac option", m_file.path());
    return outcome;
}

bool readKoyomiOption(const QString &path)
{
    return KoyomiOptionFile(path).read();
}

bool writeKoyomiOption(const QString &path, bool on)
{
    return KoyomiOptionFile(path).write(on).ok();
}

} // namespace settings
