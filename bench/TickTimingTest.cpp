#include "Measures.h"

#include <gtest/gtest.h>

TEST(TickTiming, AConstantLatenessIsAnErrorButNotADrift) {
    const auto timing = analyseTicks({511.5, 1011.5, 1511.5}, 0, 500);
    EXPECT_EQ(timing.ticks, 3);
    EXPECT_DOUBLE_EQ(timing.maxAbsError, 11.5);
    EXPECT_NEAR(timing.slopePerTick, 0, 1e-9);
}

TEST(TickTiming, ATimerThatLosesTimeOnEveryTickDrifts) {
    // Each tick comes 0.5 ms later than the one before it should.
    const auto timing = analyseTicks({10.5, 21.0, 31.5, 42.0, 52.5}, 0, 10);
    EXPECT_NEAR(timing.slopePerTick, 0.5, 1e-9);
    EXPECT_NEAR(timing.growth, 2.0, 1e-9);
    EXPECT_DOUBLE_EQ(timing.maxAbsError, 2.5);
}

TEST(TickTiming, AnEarlyTickCountsAsMuchAsALateOne) {
    const auto timing = analyseTicks({7, 20, 30}, 0, 10);
    EXPECT_DOUBLE_EQ(timing.maxAbsError, 3);
}

TEST(Median, TakesTheMiddleSampleOrTheMeanOfTheTwoMiddleOnes) {
    EXPECT_DOUBLE_EQ(median({5, 1, 3}), 3);
    EXPECT_DOUBLE_EQ(median({4, 1, 3, 2}), 2.5);
    EXPECT_DOUBLE_EQ(median({}), 0);
}
