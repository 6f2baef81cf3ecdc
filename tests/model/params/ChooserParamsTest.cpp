#include <gtest/gtest.h>

#include "model/params/FlightAxisMap.h"
#include "model/params/ReportInterval.h"
#include "model/params/SteeringAngle.h"
#include "model/params/VibrationSource.h"

namespace torvane::model {
namespace {

TEST(ReportIntervalTest, ChoiceFollowsTheQuarter) {
  EXPECT_EQ(ReportIntervalToChoice(32), 0);
  EXPECT_EQ(ReportIntervalToChoice(16), 1);
  EXPECT_EQ(ReportIntervalToChoice(8), 2);
  EXPECT_EQ(kReportRateNames[*ReportIntervalToChoice(8)], "500HZ");
  EXPECT_EQ(ReportIntervalToChoice(4), 3);
  EXPECT_EQ(ReportIntervalToChoice(33), 0);  // low bits do not count
  EXPECT_EQ(ReportIntervalToChoice(7), 3);
  for (int interval : {0, 3, 12, 24, 64, 255}) {
    EXPECT_FALSE(ReportIntervalToChoice(static_cast<std::uint8_t>(interval)).has_value()) << interval;
  }
  EXPECT_EQ(ChoiceToReportInterval(3), 4);
  EXPECT_FALSE(ChoiceToReportInterval(4).has_value());
}

TEST(ReportIntervalTest, ChoosingKeepsTheLowBits) {
  EXPECT_EQ(ApplyReportIntervalChoice(33, 3), 5);
  EXPECT_EQ(ApplyReportIntervalChoice(200, 0), 32);
  EXPECT_EQ(ApplyReportIntervalChoice(7, 1), 19);
  EXPECT_EQ(ApplyReportIntervalChoice(7, -1), 7);
  EXPECT_EQ(ApplyReportIntervalChoice(7, 4), 7);
}

TEST(VibrationSourceTest, OnlyBitsThreeAndFourChange) {
  EXPECT_EQ(VibrationSource(0x04), kVibrationThirdParty);
  EXPECT_EQ(VibrationSource(0x0C), kVibrationOriginal);
  EXPECT_EQ(VibrationSource(0x18), 3);
  EXPECT_EQ(WithVibrationSource(0xFF, kVibrationOriginal), 0xEF);
  EXPECT_EQ(WithVibrationSource(0x04, kVibrationNone), 0x14);
  EXPECT_EQ(VibrationSourceName(VibrationSource(0x0C)), " Orignal");
  EXPECT_EQ(VibrationSourceName(VibrationSource(0x18)), "");
}

TEST(SteeringAngleTest, ChooserForWheelTypeThree) {
  EXPECT_TRUE(UsesAngleChooser(6));
  EXPECT_TRUE(UsesAngleChooser(7));
  EXPECT_FALSE(UsesAngleChooser(8));
  EXPECT_FALSE(UsesAngleChooser(3));
  EXPECT_EQ(kSteeringAngleChoices[0], "  200\xC2\xB0");
  EXPECT_EQ(AngleToChoice(200), 0);
  EXPECT_EQ(AngleToChoice(900), 1);
  EXPECT_FALSE(AngleToChoice(300).has_value());
  EXPECT_FALSE(ChoiceToAngle(2).has_value());
}

TEST(FlightAxisMapTest, NibblesPerAxis) {
  EXPECT_EQ(AxisType(kDefaultFlightAxisMap, kAxisRoll), kAxisLeftStickX);
  EXPECT_EQ(AxisType(kDefaultFlightAxisMap, kAxisPitch), kAxisLeftStickY);
  EXPECT_EQ(AxisType(kDefaultFlightAxisMap, kAxisYaw), kAxisNone);
  EXPECT_EQ(AxisType(kDefaultFlightAxisMap, kAxisThrottle), kAxisNone);
  EXPECT_EQ(WithAxisType(kDefaultFlightAxisMap, kAxisPitch, kAxisButtons), 0x5540);
  EXPECT_EQ(WithAxisType(0xFFFF, kAxisThrottle, 0x12), 0x2FFF);
}

}  // namespace
}  // namespace torvane::model
