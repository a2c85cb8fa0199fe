#include "crandom.h"
#include "mdeal.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace solvane;

TEST(Generator, PublishedSequences)
{
    cRandom r;
    const float expected[] = {0.7055475f, 0.533424f, 0.5795186f, 0.289562464f, 0.301948f};
    for (float e : expected)
        EXPECT_FLOAT_EQ(r.Rnd(), e);

    EXPECT_FLOAT_EQ(cRandom().Rnd(-1.2345E38f), 0.0319542289f);
    EXPECT_FLOAT_EQ(cRandom().Rnd(-8E9f), 0.7537669f);
    EXPECT_FLOAT_EQ(cRandom().Rnd(-79.4f), 0.828889251f);

    cRandom m;
    m.Rnd();
    m.Randomize(42);
    EXPECT_FLOAT_EQ(m.Rnd(0), 0.251064479f);
}

TEST(Generator, ZeroRepeatsAndNegativeResets)
{
    cRandom a;
    const float v = a.Rnd();
    EXPECT_EQ(a.Rnd(0), v);
    EXPECT_EQ(a.Rnd(0), v);
    cRandom b;
    b.Rnd();
    b.Rnd();
    // A negative argument makes the draw independent of everything before it.
    EXPECT_EQ(a.Rnd(-10), b.Rnd(-10));
    EXPECT_EQ(a.Rnd(), b.Rnd());
}

TEST(Generator, RandomizeReplacesTheMiddleBitsOnly)
{
    cRandom r;
    r.SetState(0xAB12CD);
    r.Randomize(42);
    EXPECT_EQ(r.State() & 0xFF, 0xCDu);
    cRandom q;
    q.SetState(0x1234CD);
    q.Randomize(42);
    EXPECT_EQ(q.State(), r.State());
}

TEST(RandomGameNumber, StaysInRange)
{
    cRandom r;
    double highest = 0;
    for (int i = 0; i < 20000; ++i) {
        const double n = RandomGameNumber(r, 5, float(i) * 0.37f);
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 100000);
        ASSERT_EQ(n, std::floor(n));
        highest = std::max(highest, n);
    }
    EXPECT_GT(highest, 90000);
    EXPECT_EQ(RandomGameNumber(r, 0, 1.0f), 0);
    const double big = RandomGameNumber(r, 15, 1234.5f);
    EXPECT_LE(big, 1e15);
}
