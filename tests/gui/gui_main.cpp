// Entry of the Windows test program: refuses to run without a display, so a
// missing X server fails the run instead of skipping every window test.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    HDC screen = GetDC(nullptr);
    int width = GetSystemMetrics(SM_CXSCREEN);
    if (!screen || width <= 0 || !std::getenv("DISPLAY")) {
        std::fprintf(stderr, "gui_tests: no display (DISPLAY unset or X server missing)\n");
        return 2;
    }
    ReleaseDC(nullptr, screen);
    return RUN_ALL_TESTS();
}
