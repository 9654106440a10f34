#include "Random.h"

#include <gtest/gtest.h>

TEST(Random, FromSeedZeroTheFirstDrawOf540IsZero) {
    Random random;
    EXPECT_EQ(random.next(540), 0);
    EXPECT_EQ(random.seed(), 1u);
}

TEST(Random, FollowsTheLinearCongruentialSequence) {
    Random random;
    random.setSeed(1);
    // seed' = 1 * 134775813 + 1 = 134775814; 134775814 * 1000 >> 32 = 31.
    EXPECT_EQ(random.next(1000), 31);
    EXPECT_EQ(random.seed(), 134775814u);
    // The seed wraps modulo 2^32.
    random.setSeed(0xFFFFFFFFu);
    random.next(2);
    EXPECT_EQ(random.seed(), static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1));
}

TEST(Random, DrawsStayWithinTheirRange) {
    Random random;
    random.setSeed(0xDEADBEEF);
    for (int i = 0; i < 10000; ++i) {
        const int n = 1 + i % 600;
        const int value = random.next(n);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, n);
    }
}

TEST(Random, RandomizingInTheSameMillisecondGivesTheSameGame) {
    Random a;
    Random b;
    // 12:34:56.789 UTC.
    const std::int64_t ms = ((12 * 60 + 34) * 60 + 56) * 1000 + 789;
    a.randomize(ms);
    b.next(7);
    b.randomize(ms);
    EXPECT_EQ(a.seed(), 45296789u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(a.next(540), b.next(540));
}
