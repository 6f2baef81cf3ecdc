#include "model/params/DecimalField.h"

#include <gtest/gtest.h>

#include "model/params/IntegerField.h"

namespace torvane::model {
namespace {

TEST(HundredthsTest, EntriesBecomeStoredValues) {
  EXPECT_EQ(ParseHundredths("0.015"), 1);
  EXPECT_EQ(FormatHundredths(1), " 0.01");
  EXPECT_EQ(ParseHundredths("0.01"), 1);
  EXPECT_EQ(ParseHundredths("0.29"), 29);  // just below 0.29 in binary
  EXPECT_EQ(ParseHundredths("1"), 100);
  EXPECT_EQ(ParseHundredths(" 2.00 "), 200);  // as the field shows it
  EXPECT_EQ(ParseHundredths("+2.5"), 250);
  EXPECT_EQ(ParseHundredths(".5"), 50);
  EXPECT_EQ(ParseHundredths("50"), 5000);
  EXPECT_EQ(FormatHundredths(5000), " 50.00");
  EXPECT_EQ(FormatHundredths(100), " 1.00");
  EXPECT_EQ(FormatHundredths(65535), " 655.35");
}

TEST(HundredthsTest, OutOfRangeAndGarbageAreRefused) {
  for (const char* text : {"50.01", "0",   "0.005", "-1",   "60",       "1e9",   "99999999999999999999999999",
                           "",      "  ",  "abc",   "1.5x", "1,5",      "1.2.3", "--1",
                           "+-1",   "nan", "inf",   "-inf", "infinity", "0x10",  "1e2",
                           "."}) {
    EXPECT_FALSE(ParseHundredths(text).has_value()) << '"' << text << '"';
  }
}

TEST(TenthsTest, EntriesBecomeStoredValues) {
  EXPECT_EQ(ParseTenths("-100.0"), -1000);
  EXPECT_EQ(ParseTenths("100"), 1000);
  EXPECT_EQ(ParseTenths("0"), 0);
  EXPECT_EQ(ParseTenths("2.3"), 23);  // 22.999... when truncated
  EXPECT_EQ(ParseTenths("-0.7"), -7);
  EXPECT_EQ(FormatTenths(-1000), "-100.0");
  EXPECT_EQ(FormatTenths(0), "  0.0");
  EXPECT_EQ(FormatTenths(55), "  5.5");
  for (const char* text : {"-100.1", "100.1", "1e400", "-1e400", "nan", "x", "", "5-"}) {
    EXPECT_FALSE(ParseTenths(text).has_value()) << '"' << text << '"';
  }
}

TEST(IntegerFieldTest, WholeNumbersInsideTheRange) {
  EXPECT_EQ(ParseInteger("16", kStickDeadzoneRange), 16);
  EXPECT_EQ(ParseInteger(" 127 ", kStickDeadzoneRange), 127);
  EXPECT_EQ(ParseInteger("+5", kForceFeedbackRange), 5);
  EXPECT_EQ(ParseInteger("40", kSteeringAngleRange), 40);
  EXPECT_EQ(ParseInteger("6000", kAdsDelayRange), 6000);
  for (const char* text : {"0", "128", "-1", "", "12a", "1.5", "+-3", "99999999999999999999", "0x10"}) {
    EXPECT_FALSE(ParseInteger(text, kStickDeadzoneRange).has_value()) << '"' << text << '"';
  }
  EXPECT_FALSE(ParseInteger("35", kSteeringAngleRange).has_value());
  EXPECT_FALSE(ParseInteger("16", kForceFeedbackRange).has_value());
  EXPECT_EQ(FormatInteger(-56), "-56");
}

}  // namespace
}  // namespace torvane::model
