#include "mstudio.h"

#include <gtest/gtest.h>

using namespace solvane;

TEST(StudioNames, CodesAndTheirTexts)
{
    EXPECT_EQ(OrderName(0), "Up Same Suit");
    EXPECT_EQ(OrderName(4), "Down Alternate Color");
    EXPECT_EQ(OrderName(6), "Any Card");
    EXPECT_EQ(OrderName(9), "Up or Down Regardless of Suit");
    EXPECT_EQ(BaseCardName(0), "Ace");
    EXPECT_EQ(BaseCardName(9), "Ten");
    EXPECT_EQ(BaseCardName(12), "King");
    EXPECT_EQ(BaseCardName(13), "Random");
    EXPECT_EQ(SpaceCardName(10), "Jack");
    EXPECT_EQ(SpaceCardName(13), "Any Card");
    EXPECT_EQ(FlagName(0), "False");
    EXPECT_EQ(FlagName(1), "True");
}

TEST(StudioNames, UnknownCodesGiveNothing)
{
    for (int code : {-1, 10, 32767})
        EXPECT_TRUE(OrderName(code).isEmpty()) << code;
    for (int code : {-1, 14})
        EXPECT_TRUE(BaseCardName(code).isEmpty() && SpaceCardName(code).isEmpty()) << code;
    for (int code : {-1, 2})
        EXPECT_TRUE(FlagName(code).isEmpty()) << code;
}
