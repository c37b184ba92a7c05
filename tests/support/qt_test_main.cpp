// SPDX-License-Identifier: GPL-3.0-or-later
// Test main for widget tests: the offscreen platform and one QApplication for
// the whole run. The platform is set here rather than in the test's environment,
// since test discovery runs the binary at build time.
#include "platform/fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
