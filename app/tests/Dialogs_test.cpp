// Small rules of the splash screen, the info dialog and the robot link's error messages.
#include "MainWindow.h"
#include "SplashScreen.h"

#include <gtest/gtest.h>

TEST(SplashScreen, barWidthOverTheFiftySteps)
{
    const struct
    {
        int width;
        unsigned progress;
        int bar;
    } cases[] = {
        {400, 0, 0},    {400, 1, 0}, // 400 * 1 / 50 - 10 = -2: no bar
        {400, 2, 6}, // the first step whose bar is wider than 5
        {400, 50, 390}, // ends 5 pixels before the right edge, from x = 5
        {480, 25, 230},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplashScreen::barWidth(c.width, c.progress), c.bar) << c.width << " " << c.progress;
}
