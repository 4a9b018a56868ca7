// The main of a test program that runs its tests on one offscreen screen,
// whose size the command line may name (--screen=WxH): the fit and fill
// tests run once per screen size a player may have.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QSize>
#include <QTemporaryDir>
#include <cstdio>

#include "support/offscreen_screen.h"

namespace testing_support {

// `screen` is the size without --screen=WxH and holds the size the tests
// run on.  2 when the screen could not be described.
inline int RunTestsOnScreen(int argc, char** argv, QSize& screen) {
    for (int i = 1; i < argc; ++i) {
        int w = 0, h = 0;
        if (std::sscanf(argv[i], "--screen=%dx%d", &w, &h) == 2) screen = QSize(w, h);
    }
    QTemporaryDir folder;
    if (!UseOffscreenScreen(folder, screen.width(), screen.height(), 1)) return 2;
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace testing_support
