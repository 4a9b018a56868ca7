#include <cstdlib>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Nothing here needs a display; keep Qt quiet if a test touches it anyway.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
