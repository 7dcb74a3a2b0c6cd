#include "sprite/Rectangle.h"

#include <gtest/gtest.h>

using Corvane::CRectangle;

TEST(Rectangle, EdgesAndCornersThatTouchOverlap) {
    const CRectangle box(0, 0, 10, 10);
    EXPECT_TRUE(box.Intersects(10, 10, 20, 20));
    EXPECT_TRUE(box.Intersects(10, 0, 20, 10));
    EXPECT_FALSE(box.Intersects(11, 0, 20, 10));
    EXPECT_FALSE(box.Intersects(0, 11, 10, 20));
    EXPECT_TRUE(box.Intersects(CRectangle(-5, -5, 5, 5)));
}

TEST(Rectangle, EmptyRectanglesOverlapNothing) {
    const CRectangle box(0, 0, 10, 10);
    EXPECT_FALSE(box.Intersects(0, 0, 0, 10));
    EXPECT_FALSE(box.Intersects(5, 5, 8, 5));
    CRectangle empty;
    empty.left = 3;
    empty.right = 3;
    empty.bottom = 10;
    EXPECT_FALSE(empty.Intersects(0, 0, 10, 10));
}

TEST(Rectangle, ReversedEdgesAreOrderedFirst) {
    const CRectangle box(0, 0, 10, 10);
    EXPECT_TRUE(box.Intersects(10, 10, 0, 0));
    const CRectangle reversed(10, 10, 0, 0);
    EXPECT_EQ(reversed.left, 0);
    EXPECT_EQ(reversed.bottom, 10);
    // A rectangle whose deflation crossed its edges over is still tested as a proper one.
    CRectangle crossed(0, 0, 57, 57);
    crossed.Deflate(33, 33);
    EXPECT_EQ(crossed.left, 33);
    EXPECT_EQ(crossed.right, 24);
    EXPECT_TRUE(crossed.Intersects(25, 25, 26, 26));
    EXPECT_FALSE(crossed.Intersects(34, 34, 40, 40));
}

TEST(Rectangle, OffsetMovesAndDeflateShrinksOrGrows) {
    CRectangle box(10, 20, 30, 40);
    box.Offset(5, -5);
    EXPECT_EQ(box.left, 15);
    EXPECT_EQ(box.top, 15);
    EXPECT_EQ(box.right, 35);
    EXPECT_EQ(box.bottom, 35);
    box.Deflate(5, 2);
    EXPECT_EQ(box.left, 20);
    EXPECT_EQ(box.bottom, 33);
    box.Deflate(-10, -10);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 7);
}
