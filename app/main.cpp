// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/activation.h"
#include "app/app.h"
#include "app/single_instance.h"
#include "platform/fonts.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

const char *const usage = "Usage: lumo [--help | --version]\n"
                          "A small perpetual calendar for Japan that floats above other windows.\n";

} // namespace

int main(int argc, char **argv)
{
    // Answered without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("lumo %s\n", LUMO_VERSION);
            return 0;
        }
    }
    // Wayland lets no client place itself or float above others; the calendar
    // needs both, so it runs through XWayland unless the user chose a platform.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("WAYLAND_DISPLAY") != nullptr
        && std::getenv("DISPLAY") != nullptr)
        setenv("QT_QPA_PLATFORM", "xcb", 1);

    // The hand-over comes first: a later start ends without loading the
    // toolkit's display connection, fonts or window.
    const app::Activation launch = app::launchActivation();
    app::SingleInstance instance;
    switch (instance.claim(launch)) {
    case app::SingleInstance::Claim::First:
        break;
    case app::SingleInstance::Claim::HandedOver:
        app::completeStartup(launch.startupId);
        return 0;
    case app::SingleInstance::Claim::NoAnswer:
        app::completeStartup(launch.startupId);
        std::fputs("lumo: another Lumo is running but does not answer\n", stderr);
        return 1;
    }

    // Read while the toolkit connects to the display and builds the window.
    platform::startFontWarmUp();
    app::App application(argc, argv);
    const int status = application.run(instance);
    platform::awaitFontWarmUp();
    return status;
}
