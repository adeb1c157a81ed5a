#include <gtest/gtest.h>

#include "sim/text_parse.h"

TEST(TextParse, NumbersAcceptOnlyWholeFiniteWords)
{
    EXPECT_EQ(sim::parseDouble("1.5e3"), 1500.0);
    EXPECT_EQ(sim::parseDouble("+2"), 2.0);
    EXPECT_EQ(sim::parseDouble("-0.25"), -0.25);
    for (const char* bad : {"", "1.5x", "x", "1e999", "nan", "inf", "1,5", "++1"})
        EXPECT_FALSE(sim::parseDouble(bad)) << bad;
    EXPECT_EQ(sim::parseInt("42"), 42);
    EXPECT_FALSE(sim::parseInt("4.2"));
    EXPECT_FALSE(sim::parseNumbers("1 2", 3));
    EXPECT_EQ(sim::parseNumbers("  1\t2  3 ", 3), (std::vector<double>{1, 2, 3}));
}
