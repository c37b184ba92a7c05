// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac option: off it changes no tooltip and writes no file; on, the
// day cells and the tile carry the day's 暦注; the choice lives in lumo.ini.
#include "calendar/calendar.h"
#include "mainwindow/static_text.h"
#include "settings/koyomi_option.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>

namespace
{

using testing_support::WindowFixture;

class KoyomiTipsTest : public WindowFixture
{
protected:
    QString iniPath() const
    {
        return dir.filePath(QStringLiteral("lumo.ini"));
    }
    void writeIni(const QByteArray &text)
    {
        QFile f(iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QString cellToolTip(int year, int month, int day) const
    {
        window->goToMonth(year, month);
        return window->D[static_cast<std::size_t>(day + calendar::Get_Week(year, month, 1) - 1)]->toolTip();
    }
    bool everyToolTipIsTheHoliday() const
    {
        for (int k = 1; k <= mainwindow::MonthGrid::CellCount; ++k) {
            if (window->D[static_cast<std::size_t>(k)]->toolTip()
                != QString::fromStdString(window->grid().cell(k).holiday))
                return false;
        }
        return true;
    }
};

TEST_F(KoyomiTipsTest, OffChangesNoToolTipAndWritesNoFile)
{
    writeSettings(settings::Settings {});
    const QByteArray before = readFile();
    open();
    EXPECT_FALSE(window->store().koyomiShown());
    const std::pair<int, int> months[] = { { 2014, 12 }, { 2026, 1 }, { 2033, 12 }, { 1873, 1 } };
    for (const auto &[year, month] : months) {
        window->goToMonth(year, month);
        EXPECT_TRUE(everyToolTipIsTheHoliday()) << year << "-" << month;
    }
    EXPECT_FALSE(dock.lastToolTip.contains(QLatin1Char('\n')));
    EXPECT_FALSE(window->tileToolTip().contains(QLatin1Char('\n')));
    window->Save_State();
    EXPECT_FALSE(QFile::exists(iniPath()));
    EXPECT_EQ(readFile().count('\n'), before.count('\n'));
}

TEST_F(KoyomiTipsTest, OnTheToolTipsCarryTheAlmanac)
{
    writeIni("[display]\nkoyomi=true\n");
    open();
    ASSERT_TRUE(window->store().koyomiShown());
    const struct {
        int year, month, day;
        const char *toolTip;
    } rows[] = {
        { 2026, 1, 1, "元旦\n大安 · 旧11月13日" },
        { 2026, 1, 2, "赤口 · 旧11月14日" },
        { 2026, 1, 5, "先負 · 旧11月17日\n小寒" },
        { 2033, 12, 21, "仏滅 · 旧11月30日\n冬至" },
        { 2033, 12, 22, "大安 · 旧閏11月1日" },
        // The almanac's first and last days; outside its years, the holiday alone.
        { 1873, 1, 1, "友引 · 旧12月3日" },
        { 2200, 12, 31, "大安 · 旧11月25日" },
        { 2201, 1, 1, "元旦" },
    };
    for (const auto &row : rows)
        EXPECT_EQ(cellToolTip(row.year, row.month, row.day), QString::fromUtf8(row.toolTip)) << row.year;
    EXPECT_EQ(window->tileToolTip(), QString::fromUtf8("2014年12月8日(月)\n友引 · 旧10月17日"));
    // Far years stay quick and empty of almanac lines.
    window->goToMonth(2000000000, 1);
    EXPECT_EQ(window->D[static_cast<std::size_t>(calendar::Get_Week(2000000000, 1, 1))]->toolTip(),
        QString::fromUtf8("元旦"));
}

TEST_F(KoyomiTipsTest, TurningItOnAndOffRewritesTheShownMonthAndSurvivesARestart)
{
    open();
    window->settingsArea().CheckBox1->setChecked(true);
    window->goToMonth(2026, 1);
    const QString holiday = cellToolTip(2026, 1, 1);
    window->store().setKoyomiShown(true);
    EXPECT_EQ(window->D[5]->toolTip(), holiday + QString::fromUtf8("\n大安 · 旧11月13日"));
    EXPECT_TRUE(dock.lastToolTip.endsWith(QString::fromUtf8("\n友引 · 旧10月17日")));

    open();
    EXPECT_TRUE(window->store().koyomiShown());
    window->store().setKoyomiShown(false);
    window->goToMonth(2026, 1);
    EXPECT_TRUE(everyToolTipIsTheHoliday());
    open();
    EXPECT_FALSE(window->store().koyomiShown());
}

TEST_F(KoyomiTipsTest, MissingOrBadFileReadsAsOff)
{
    const QByteArray rows[] = {
        "",
        "[display]\nkoyomi=banana\n",
        "[display]\nkoyomi=\n",
        "koyomi=true\n",
        "[display\nkoyomi=true\n",
        QByteArray("\xff\xfe\x00[display]\x00koyomi=true", 24),
    };
    EXPECT_FALSE(settings::readKoyomiOption(iniPath()));
    for (const QByteArray &text : rows) {
        writeIni(text);
        EXPECT_FALSE(settings::readKoyomiOption(iniPath())) << text.toStdString();
    }
    // A folder in the file's place cannot be read.
    QFile::remove(iniPath());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("lumo.ini")));
    open();
    EXPECT_FALSE(window->store().koyomiShown());
}

} // namespace
