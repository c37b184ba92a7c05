// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the calendar window's two busiest paths on the offscreen
// platform: one month step (the release of the month-forward button through
// the window's repaint), with the almanac off and on, and one composition of
// the tile picture.

#include "fakes.h"
#include "mainwindow/window1.h"
#include "platform/fonts.h"
#include "platform/pictures.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace
{

// One calendar window with the real pictures and fonts, a fixed clock, and
// no settings file.
struct Bench {
    Bench()
        : services { clock, screens, pictures, picker, dockTile }
        , window(services, QDir(dir.path()).filePath(QStringLiteral("Lumo prefs")))
    {
        window.Quit = [] {};
        window.Open();
        window.show();
        window.repaint();
    }

    testing_support::FakeClock clock { QDate(2026, 11, 3) };
    testing_support::FakeScreens screens;
    platform::ResourcePictures pictures;
    testing_support::FakeColorPicker picker;
    testing_support::FakeDockTile dockTile;
    QTemporaryDir dir;
    mainwindow::Services services;
    mainwindow::Window1 window;
};

int monthIndex(const mainwindow::Window1 &w)
{
    return w.viewYear() * 12 + w.viewMonth() - 1;
}

void monthSteps(benchmark::State &state, bool almanac)
{
    Bench b;
    b.window.store().setKoyomiShown(almanac);
    const int first = monthIndex(b.window);
    for (auto _ : state) {
        b.window.Canvas4_MouseUp(10, 7);
        b.window.repaint();
    }
    if (monthIndex(b.window) - first != static_cast<int>(state.iterations()))
        state.SkipWithError("the month on view did not move one month per step");
}

void BM_MonthStep(benchmark::State &state)
{
    monthSteps(state, false);
}
BENCHMARK(BM_MonthStep)->Unit(benchmark::kMicrosecond);

void BM_MonthStepAlmanac(benchmark::State &state)
{
    monthSteps(state, true);
}
BENCHMARK(BM_MonthStepAlmanac)->Unit(benchmark::kMicrosecond);

// Arg: the tile mode, 0 the whole month, 1 month-day-weekday, 2 the day, 3 the weekday.
void BM_DrawDock(benchmark::State &state)
{
    Bench b;
    b.window.store().setMode(static_cast<int>(state.range(0)));
    for (auto _ : state)
        b.window.Draw_Dock();
    benchmark::DoNotOptimize(b.dockTile.updates);
    if (b.dockTile.lastTile.size() != QSize(128, 128))
        state.SkipWithError("the tile is not 128 x 128");
}
BENCHMARK(BM_DrawDock)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// The offscreen platform cannot raise windows and says so each time.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support raise()")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietHandler);
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
