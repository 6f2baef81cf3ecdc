#include "model/params/CurveText.h"
#include "model/params/ResponseCurves.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace torvane::model {
namespace {

TEST(ResponseCurvesTest, NeutralIsTheStraightLine) {
  const Curve neutral = NeutralCurve();
  for (std::size_t i = 0; i < neutral.size(); ++i) EXPECT_EQ(neutral[i], 10 * i);
  EXPECT_FALSE(PerGameCurves(18).has_value());
  EXPECT_FALSE(PerGameCurves(0).has_value());
  EXPECT_FALSE(PerGameCurves(-1).has_value());
}

TEST(ResponseCurvesTest, PerGameCurvesRiseToFullScale) {
  const std::optional<CurvePair> horizon = PerGameCurves(78);
  ASSERT_TRUE(horizon.has_value());
  EXPECT_EQ(horizon->hip[3], 162);
  EXPECT_EQ(horizon->hip[4], 200);
  EXPECT_EQ(horizon->ads[6], 188);
  EXPECT_EQ(horizon->ads[7], 200);
  // Where each listed head ends; a head one point too long or short moves it.
  const std::pair<int, std::size_t> first_full[] = {{76, 7}, {48, 6}, {78, 4}, {80, 8}, {81, 10}};
  for (const auto& [game, first] : first_full) {
    const std::optional<CurvePair> curves = PerGameCurves(game);
    ASSERT_TRUE(curves.has_value()) << game;
    EXPECT_LT(curves->hip[first - 1], 200) << game;
    EXPECT_EQ(curves->hip[first], 200) << game;
    EXPECT_TRUE(std::is_sorted(curves->hip.begin(), curves->hip.end())) << game;
    EXPECT_EQ(curves->hip[0], 0) << game;
    if (game != 78) {
      EXPECT_EQ(curves->ads, NeutralCurve()) << game;
    }
  }
}

TEST(ResponseCurvesTest, ChartCoordinatesStayOnTheChart) {
  EXPECT_EQ(ChartYFromStored(0), 200);
  EXPECT_EQ(ChartYFromStored(200), 0);
  EXPECT_EQ(ChartYFromStored(255), 0);
  EXPECT_EQ(StoredFromChartY(201), 0);
  const Curve neutral = NeutralCurve();
  EXPECT_EQ(CurveFromChart(ChartFromCurve(neutral)), neutral);
  Curve chart = ChartFromCurve(neutral);
  EXPECT_EQ(chart[0], 200);
  EXPECT_EQ(chart[20], 0);
}

TEST(ResponseCurvesTest, CurvesAsTextListsBothCurvesInHex) {
  Curve ads = NeutralCurve();
  ads[20] = 0xff;
  EXPECT_EQ(
      CurvesAsText(NeutralCurve(), ads),
      "{0x00,0x0a,0x14,0x1e,0x28,0x32,0x3c,0x46,0x50,0x5a,0x64,0x6e,0x78,0x82,0x8c,0x96,0xa0,0xaa,0xb4,0xbe,0xc8},"
      "\r\n"
      "{0x00,0x0a,0x14,0x1e,0x28,0x32,0x3c,0x46,0x50,0x5a,0x64,0x6e,0x78,0x82,0x8c,0x96,0xa0,0xaa,0xb4,0xbe,0xff}");
}

}  // namespace
}  // namespace torvane::model
