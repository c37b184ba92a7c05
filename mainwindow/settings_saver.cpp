// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/settings_saver.h"

#include <QMessageBox>

#include <cerrno>

namespace mainwindow
{

namespace
{

    QString reasonText(const settings::FileOutcome &outcome)
    {
        using settings::FileProblem;
        switch (outcome.problem) {
        case FileProblem::None:
            break;
        case FileProblem::Unreadable:
            return QString::fromUtf8("設定ファイルを読めないため、上書きしませんでした。");
        case FileProblem::ChangedElsewhere:
            return QString::fromUtf8("ほかの Lumo が設定ファイルを書き換えたため、上書きしませんでした。");
        case FileProblem::NoFolder:
            return QString::fromUtf8("設定のフォルダーを作れません。");
        case FileProblem::WriteFailed:
            switch (outcome.error) {
            case ENOSPC:
#ifdef EDQUOT
            case EDQUOT:
#endif
                return QString::fromUtf8("ディスクがいっぱいです。");
            case EFBIG:
                return QString::fromUtf8("ファイルの大きさの上限を超えます。");
            case EACCES:
            case EPERM:
                return QString::fromUtf8("書き込みが許されていません。");
            case EROFS:
                return QString::fromUtf8("読み取り専用のディスクです。");
            default:
                return QString::fromUtf8("書き込めませんでした。");
            }
        }
        return {};
    }

} // namespace

SettingsSaver::SettingsSaver(QString settingsPath, QWidget *window)
    : m_file(std::move(settingsPath))
    , m_window(window)
{
}

std::optional<settings::Settings> SettingsSaver::read()
{
    return m_file.read();
}

void SettingsSaver::write(const settings::Settings &s)
{
    report(m_file.write(s));
}

void SettingsSaver::report(const settings::FileOutcome &outcome)
{
    if (outcome.ok() || !m_told.insert({ outcome.problem, outcome.error }).second)
        return;
    if (m_box)
        m_box->close();
    m_box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Lumo"),
        QString::fromUtf8("設定を保存できませんでした: ") + reasonText(outcome), QMessageBox::Ok, m_window);
    m_box->setObjectName(QStringLiteral("SaveNotice"));
    m_box->setAttribute(Qt::WA_DeleteOnClose);
    m_box->setWindowModality(Qt::NonModal);
    m_box->show();
}

void SettingsSaver::afterNotice(const std::function<void()> &done)
{
    if (m_box && m_box->isVisible())
        QObject::connect(m_box, &QMessageBox::finished, m_box, [done] { done(); });
    else
        done();
}

} // namespace mainwindow
