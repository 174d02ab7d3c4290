// TRect keeps its derived fields in step; edges count as inside.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

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

TEST(TRectShape, EveryOperationKeepsTheDerivedFields) {
  TRect r;
  r.SetRect(0, 0, 10, 10);
  r.OffsetRect(5, -5);
  EXPECT_EQ(std::tuple(r.fX, r.fY, r.fWidth, r.fHeight), std::tuple(5.0f, -5.0f, 10.0f, 10.0f));
  ExpectConsistent(r);
  r.SetRect(0, 0, 10, 10);
  r.InflateRect(1, 1, 1, 1);
  EXPECT_EQ(std::tuple(r.fX, r.fY, r.fWidth, r.fHeight), std::tuple(-1.0f, -1.0f, 12.0f, 12.0f));
  ExpectConsistent(r);
  r.DeflateRect(2, 3, 4, 5);
  EXPECT_EQ(std::tuple(r.fX, r.fY, r.fWidth, r.fHeight), std::tuple(1.0f, 2.0f, 6.0f, 4.0f));
  ExpectConsistent(r);
  r.MoveToXY(100, -50);
  EXPECT_EQ(std::tuple(r.fX, r.fY, r.fWidth), std::tuple(100.0f, -50.0f, 6.0f));
  ExpectConsistent(r);
}

TEST(TRectShape, NormalizeKeepsTheCoveredArea) {
  TRect r;
  r.SetRect(10, 20, -4, -6);
  r.NormalizeRect();
  EXPECT_EQ(std::tuple(r.fX, r.fY, r.fWidth, r.fHeight), std::tuple(6.0f, 14.0f, 4.0f, 6.0f));
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
  for (auto [x, y] : {std::pair{10.0f, 20.0f}, {40.0f, 60.0f}, {10.0f, 60.0f}, {40.0f, 20.0f}})
    EXPECT_EQ(r.PointInRect(x, y), 1) << x << "," << y;
  for (auto [x, y] : {std::pair{9.99f, 30.0f}, {40.01f, 30.0f}, {20.0f, 19.99f}, {20.0f, 60.01f}})
    EXPECT_EQ(r.PointInRect(x, y), 0) << x << "," << y;
}
