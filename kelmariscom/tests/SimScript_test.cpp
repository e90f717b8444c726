// The simulator's script format: what it accepts and what it refuses with a line number.
#include "SimScript.h"

#include <gtest/gtest.h>

namespace {

TEST(SimScript, ReadsEntriesWithAndWithoutExchange)
{
    SimScript script;
    std::string error;
    ASSERT_TRUE(script.parse("# sensors\nDI0 1\n\n@50 DIST3 2.5  # later\nBATT 11.8\nMOTORADC2 300\n", error)) << error;
    ASSERT_EQ(script.entries().size(), 4u);
    EXPECT_EQ(script.entries()[0].name, "DI");
    EXPECT_EQ(script.entries()[0].exchange, 0u);
    EXPECT_EQ(script.entries()[1].name, "DIST");
    EXPECT_EQ(script.entries()[1].index, 3);
    EXPECT_EQ(script.entries()[1].exchange, 50u);
    EXPECT_DOUBLE_EQ(script.entries()[1].value, 2.5);
    EXPECT_EQ(script.entries()[2].name, "BATT");
    EXPECT_EQ(script.entries()[3].name, "MOTORADC");
}

TEST(SimScript, RefusesMalformedLines)
{
    const char* bad[] = {"DI 1",    "XYZ 1",    "DI0",       "DI0 one",  "DI0 1 2",
                         "@ DI0 1", "@x DI0 1", "BUMPER2 1", "DI0 1.5x", "ADC1234 1"};
    for (const char* line : bad) {
        SimScript script;
        std::string error;
        EXPECT_FALSE(script.parse(std::string("BATT 12\n") + line + "\n", error)) << line;
        EXPECT_NE(error.find("line 2"), std::string::npos) << line;
        EXPECT_TRUE(script.entries().empty());
    }
}

TEST(SimScript, MissingFileIsAnError)
{
    SimScript script;
    std::string error;
    EXPECT_FALSE(script.load("/nonexistent/script.txt", error));
    EXPECT_FALSE(error.empty());
}

} // namespace
