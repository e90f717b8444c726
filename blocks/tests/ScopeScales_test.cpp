#include "ScopeScales.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ScopeScales, DialTables)
{
    const float scales[] = {0.1f, 0.2f, 0.5f, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000};
    const unsigned ms[] = {500000, 200000, 100000, 50000, 20000, 10000, 5000, 2000, 1000, 500, 200, 100, 50, 20};
    for (int d = 0; d <= 13; ++d) {
        EXPECT_FLOAT_EQ(ScopeScales::scaleY(d), scales[d]) << d;
        EXPECT_EQ(ScopeScales::msPerDivision(d), ms[d]) << d;
    }
    EXPECT_FLOAT_EQ(ScopeScales::scaleY(-3), 0.1f);
    EXPECT_FLOAT_EQ(ScopeScales::scaleY(1000000), 2000.0f);
    EXPECT_EQ(ScopeScales::msPerDivision(40), 20u);
    EXPECT_EQ(ScopeScales::msPerDivision(-40), 500000u);
}

TEST(ScopeScales, TimeBaseText)
{
    EXPECT_EQ(ScopeScales::timeBaseText(100), "100ms");
    EXPECT_EQ(ScopeScales::timeBaseText(20), "20ms");
    EXPECT_EQ(ScopeScales::timeBaseText(1000), "1s");
    EXPECT_EQ(ScopeScales::timeBaseText(2000), "2s");
    EXPECT_EQ(ScopeScales::timeBaseText(500000), "500s");
}

TEST(ScopeScales, TriggerCrossings)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case
    {
        int mode;
        float last, current;
        bool fires;
    } cases[] = {
        {1, 0.8f, 1.2f, true},  {1, 1.0f, 1.0f, false}, {1, 1.0f, 1.1f, true},  {1, 1.2f, 0.8f, false},
        {2, 1.0f, 0.9f, true},  {2, 1.2f, 1.1f, false}, {2, 0.8f, 1.2f, false}, {0, 0.8f, 1.2f, false},
        {3, 0.8f, 1.2f, false}, {1, nan, 1.2f, false},  {2, 1.2f, nan, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScopeScales::triggerFires(c.mode, c.last, c.current, 1.0f), c.fires)
            << c.mode << " " << c.last << "->" << c.current;
}
