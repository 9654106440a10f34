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
    // The seed wraps modulo 2^32: 0xFFFFFFFF * 134775813 + 1 is 2^32 - 134775812 there.
    random.setSeed(0xFFFFFFFFu);
    random.next(2);
    EXPECT_EQ(random.seed(), 4160191484u);
}
