// TRect keeps its derived fields in step; edges count as inside.
#include <gtest/gtest.h>

#include "framework/geometry.h"

namespace {

void ExpectConsistent(const TRect& r) {
  EXPECT_FLOAT_EQ(r.fX1, r.fX + r.fWidth);
  EXPECT_FLOAT_EQ(r.fY1, r.fY + r.fHeight);
  EXPECT_FLOAT_EQ(r.fXHalf, r.fWidth / 2);
  EXPECT_FLOAT_EQ(r.fYHalf, r.fHeight / 2);
  EXPECT_FLOAT_EQ(r.fXMid, r.fX + r.fXHalf);
  EXPECT_FLOAT_EQ(r.fYMid, r.fY + r.fYHalf);
}

}  // namespace

TEST(TRectShape, SetRectDerivesEdgesMiddlesAndHalves) {
  TRect r;
  r.SetRect(10, 20, 30, 40);
  EXPECT_EQ(r.fX1, 40);
  EXPECT_EQ(r.fY1, 60);
  EXPECT_EQ(r.fXHalf, 15);
  EXPECT_EQ(r.fYHalf, 20);
  EXPECT_EQ(r.fXMid, 25);
  EXPECT_EQ(r.fYMid, 40);
}

TEST(TRectShape, EveryOperationKeepsTheDerivedFields) {
  TRect r;
  r.SetRect(0, 0, 10, 10);
  r.OffsetRect(5, -5);
  EXPECT_EQ(r.fX, 5);
  EXPECT_EQ(r.fX1, 15);
  EXPECT_EQ(r.fWidth, 10);
  EXPECT_EQ(r.fY, -5);
  EXPECT_EQ(r.fY1, 5);
  EXPECT_EQ(r.fHeight, 10);
  ExpectConsistent(r);

  r.SetRect(0, 0, 10, 10);
  r.InflateRect(1, 1, 1, 1);
  EXPECT_EQ(r.fX, -1);
  EXPECT_EQ(r.fY, -1);
  EXPECT_EQ(r.fX1, 11);
  EXPECT_EQ(r.fY1, 11);
  EXPECT_EQ(r.fWidth, 12);
  EXPECT_EQ(r.fHeight, 12);
  ExpectConsistent(r);

  r.DeflateRect(2, 3, 4, 5);
  EXPECT_EQ(r.fX, 1);
  EXPECT_EQ(r.fY, 2);
  EXPECT_EQ(r.fWidth, 6);
  EXPECT_EQ(r.fHeight, 4);
  ExpectConsistent(r);

  r.MoveToXY(100, -50);
  EXPECT_EQ(r.fWidth, 6);
  EXPECT_EQ(r.fXMid, 103);
  ExpectConsistent(r);
}

TEST(TRectShape, NormalizeKeepsTheCoveredArea) {
  TRect r;
  r.SetRect(10, 20, -4, -6);
  r.NormalizeRect();
  EXPECT_EQ(r.fX, 6);
  EXPECT_EQ(r.fWidth, 4);
  EXPECT_EQ(r.fY, 14);
  EXPECT_EQ(r.fHeight, 6);
  EXPECT_EQ(r.fX1, 10);
  EXPECT_EQ(r.fY1, 20);
  ExpectConsistent(r);

  // A rectangle of non-negative size is left untouched, even when its fields disagree.
  r.SetRect(1, 2, 3, 4);
  r.fXMid = 99;
  r.NormalizeRect();
  EXPECT_EQ(r.fXMid, 99);
}

TEST(TRectShape, PointInRectCountsEdges) {
  TRect r;
  r.SetRect(10, 20, 30, 40);
  EXPECT_EQ(r.PointInRect(10, 20), 1);
  EXPECT_EQ(r.PointInRect(40, 60), 1);
  EXPECT_EQ(r.PointInRect(10, 60), 1);
  EXPECT_EQ(r.PointInRect(40, 20), 1);
  EXPECT_EQ(r.PointInRect(9.99f, 30), 0);
  EXPECT_EQ(r.PointInRect(40.01f, 30), 0);
  EXPECT_EQ(r.PointInRect(20, 19.99f), 0);
  EXPECT_EQ(r.PointInRect(20, 60.01f), 0);
}
