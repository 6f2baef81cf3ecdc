#include "model/exchange/CurveExchange.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/exchange/DigestField.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/params/ResponseCurves.h"
#include "support/ByteVector.h"

namespace torvane::model {
namespace {

std::vector<std::uint8_t> FileBytes(const Curve& hip, const Curve& ads) {
  const std::optional<CurveFile> file = BuildCurveFile(hip, ads);
  EXPECT_TRUE(file.has_value());
  return torvane::testing::ByteVector(*file);
}

TEST(CurveExchangeTest, RoundTripKeepsChartCoordinates) {
  const Curve hip = ChartFromCurve(PerGameCurves(78)->hip);
  const Curve ads = ChartFromCurve(NeutralCurve());
  const std::vector<std::uint8_t> bytes = FileBytes(hip, ads);
  ASSERT_EQ(bytes.size(), 61u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 3), (std::vector<std::uint8_t>{1, 10, 0}));
  EXPECT_EQ(bytes[19], 200);  // hip point 0 stores 0, drawn at the bottom
  EXPECT_EQ(bytes[40 + 20], 0);
  EXPECT_TRUE(VerifyDigest(bytes, 3));

  const CurveImport import = ImportCurveFile(bytes);
  ASSERT_EQ(import.result, ExchangeResult::kOk);
  EXPECT_EQ(import.hip_chart, hip);
  EXPECT_EQ(import.ads_chart, ads);
  EXPECT_FALSE(import.clamped);
}

TEST(CurveExchangeTest, VersionsAndSizes) {
  std::vector<std::uint8_t> bytes = FileBytes(NeutralCurve(), NeutralCurve());
  const std::pair<Version, ExchangeResult> cases[] = {{{1, 10, 0}, ExchangeResult::kOk},
                                                      {{1, 9, 5}, ExchangeResult::kOk},
                                                      {{1, 10, 1}, ExchangeResult::kNeedsNewerManager},
                                                      {{2, 0, 0}, ExchangeResult::kNeedsNewerManager}};
  for (const auto& [version, expected] : cases) {
    bytes[0] = version.major, bytes[1] = version.minor, bytes[2] = version.patch;
    ASSERT_TRUE(StampDigest(bytes, 3));
    EXPECT_EQ(ImportCurveFile(bytes).result, expected) << int{version.minor} << "." << int{version.patch};
  }
  bytes[30] ^= 0x10;
  EXPECT_EQ(ImportCurveFile(bytes).result, ExchangeResult::kVerifyFailed);
  bytes.push_back(0);
  EXPECT_EQ(ImportCurveFile(bytes).result, ExchangeResult::kWrongSize);
  EXPECT_EQ(ImportMessage(ExchangeKind::kCurve, ExchangeResult::kWrongSize),
            "\nFailed to import file!\n[Error Code:-2,0]");
}

TEST(CurveExchangeTest, BytesAbove200AreClamped) {
  Curve hip = NeutralCurve();
  hip[5] = 250;
  std::vector<std::uint8_t> bytes = FileBytes(hip, NeutralCurve());
  EXPECT_EQ(bytes[19 + 5], 200);  // never written above the chart

  bytes[40 + 7] = 255;
  ASSERT_TRUE(StampDigest(bytes, 3));
  const CurveImport import = ImportCurveFile(bytes);
  ASSERT_EQ(import.result, ExchangeResult::kOk);
  EXPECT_TRUE(import.clamped);
  EXPECT_EQ(import.ads_chart[7], 200);
  EXPECT_EQ(CurveFromChart(import.ads_chart)[7], 0);
}

}  // namespace
}  // namespace torvane::model
