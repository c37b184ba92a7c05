// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_file.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <set>
#include <utility>

class QMessageBox;
class QWidget;

namespace mainwindow
{

// The calendar's settings file, and the notice that tells the user when a save failed: a small
// message box in Japanese, "設定を保存できませんでした" with the reason, that does not wait for
// an answer. Each cause (the problem and the system's error) is told once a run; the save's
// line on stderr is printed every time.
class SettingsSaver
{
public:
    // The notice opens over window.
    SettingsSaver(QString settingsPath, QWidget *window);

    std::optional<settings::Settings> read();
    void write(const settings::Settings &s);

    // Tells the user about a failed save of another settings file (the almanac option).
    void report(const settings::FileOutcome &outcome);

    // Runs done now, or when the notice on screen is closed, so that a failure at quit is seen.
    void afterNotice(const std::function<void()> &done);

private:
    settings::SettingsFile m_file;
    QWidget *m_window;
    QPointer<QMessageBox> m_box;
    std::set<std::pair<settings::FileProblem, int>> m_told;
};

} // namespace mainwindow
