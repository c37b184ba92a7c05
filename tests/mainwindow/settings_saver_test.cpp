// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar's opening and saving against what the settings file holds and what the file
// system allows: positions far off any screen, saves that must not go through.
#include "fakes.h"
#include "mainwindow/window1.h"
#include "settings/settings_file.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>

namespace
{

using namespace testing_support;

// A calendar opened on the settings file at path and shown.
struct Calendar {
    explicit Calendar(const QString &path)
        : window(mainwindow::Services { clock, screens, pictures, picker, dock }, path)
    {
        window.Quit = [this] { ++quits; };
        window.Open();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    FakeClock clock { QDate(2014, 12, 8) };
    FakeScreens screens { QSize(1440, 900) };
    FakePictures pictures;
    FakeColorPicker picker;
    FakeDockTile dock;
    int quits = 0;
    mainwindow::Window1 window;
};

QList<QMessageBox *> notices()
{
    QList<QMessageBox *> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->objectName() == QStringLiteral("SaveNotice"))
            found << box;
    }
    return found;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Saved positions up to int's limits open the window wholly on the screen (the sanitizer build
// catches any overflow on the way); a position on the screen is kept.
TEST(SettingsOpening, FarPositionsComeOntoTheScreen)
{
    struct Row {
        int top;
        int left;
    };
    const Row rows[]
        = { { INT_MAX, INT_MAX }, { INT_MIN, INT_MIN }, { INT_MAX, INT_MIN }, { 1 << 24, -(1 << 24) }, { 100, 200 } };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.top << ", " << row.left);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("Lumo prefs"));
        ASSERT_TRUE(settings::writeSettingsFile(path, { row.top, row.left, 255, 255, 255, false, 100, false, 0 }));
        Calendar lumo(path);
        const QRect at = lumo.window.geometry();
        if (row.top == 100) {
            EXPECT_EQ(at.topLeft(), QPoint(200, 100));
        }
        EXPECT_TRUE(QRect(0, 0, 1440, 900).contains(at)) << at.x() << ", " << at.y();
    }
}

// A save that must not go through, here because another Lumo saved since the opening, keeps
// the other's file and tells the user once, in Japanese. Quitting waits for the notice.
TEST(SettingsSaving, RefusedSaveKeepsTheFileAndTellsOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Lumo prefs"));
    Calendar lumo(path);
    ASSERT_TRUE(settings::writeSettingsFile(path, { 300, 400, 1, 2, 3, true, 50, true, 2 }));
    const QByteArray theirs = contents(path);

    lumo.window.Save_State();
    lumo.window.Save_For_Session();
    EXPECT_EQ(contents(path), theirs);
    const QList<QMessageBox *> told = notices();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0]->isVisible());
    EXPECT_TRUE(told[0]->text().startsWith(QString::fromUtf8("設定を保存できませんでした")))
        << told[0]->text().toStdString();

    lumo.window.FileQuit();
    EXPECT_EQ(lumo.quits, 0);
    told[0]->button(QMessageBox::Ok)->click();
    EXPECT_EQ(lumo.quits, 1);
    EXPECT_EQ(contents(path), theirs);
}
