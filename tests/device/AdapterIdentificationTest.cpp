#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "device/AdapterPath.h"
#include "device/HidIds.h"
#include "device/HidTransport.h"

namespace torvane::device {
namespace {

TEST(AdapterPathTest, RecognisesBothProductsInAnyCase) {
  EXPECT_TRUE(IsAdapterPath(R"(\\?\hid#vid_0e3a&pid_b372#7&1a2b#{4d1e55b2-f16f-11cf-88cb-001111000030})"));
  EXPECT_TRUE(IsAdapterPath(R"(\\?\HID#VID_0E3A&PID_B370#7&1A2B#{...})"));
  EXPECT_TRUE(IsAdapterPath("Vid_0e3A&Pid_B372"));
  EXPECT_FALSE(IsAdapterPath(R"(\\?\hid#vid_0e3a&pid_b371#7&1a2b)"));
  EXPECT_FALSE(IsAdapterPath(R"(\\?\hid#vid_0e3b&pid_b372#7&1a2b)"));
  EXPECT_FALSE(IsAdapterPath("/dev/hidraw0"));
  EXPECT_FALSE(IsAdapterPath(""));
}

TEST(HidIdsTest, ParsesSysfsAndUeventForms) {
  EXPECT_EQ(ParseHexId("0e3a"), 0x0E3A);
  EXPECT_EQ(ParseHexId("B372"), 0xB372);
  EXPECT_FALSE(ParseHexId(""));
  EXPECT_FALSE(ParseHexId("0e3a\n"));
  EXPECT_FALSE(ParseHexId("10000"));
  EXPECT_FALSE(ParseHexId("0x0e3a"));

  const auto ids = ParseHidIdProperty("0003:00000E3A:0000B372");
  ASSERT_TRUE(ids);
  EXPECT_EQ(ids->vendor_id, 0x0E3A);
  EXPECT_EQ(ids->product_id, 0xB372);
  EXPECT_FALSE(ParseHidIdProperty("0003:00010E3A:0000B372")) << "vendor above 16 bits";
  EXPECT_FALSE(ParseHidIdProperty("0003:00000E3A"));
  EXPECT_FALSE(ParseHidIdProperty("0003:00000E3A:"));
  EXPECT_FALSE(ParseHidIdProperty("zz:00000E3A:0000B372"));
}

TEST(DecodeInputReportTest, RebuildsTheReportIdAndChecksLengthAndId) {
  std::vector<std::uint8_t> payload(64);
  for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<std::uint8_t>(i + 1);
  Report report{};
  report.fill(0xEE);
  ASSERT_EQ(DecodeInputReport(payload, report), kTransportOk);
  EXPECT_EQ(report[0], 0);
  EXPECT_EQ(report[1], 1);
  EXPECT_EQ(report[64], 64);

  std::vector<std::uint8_t> numbered(65, 0);
  numbered[1] = 0x58;
  ASSERT_EQ(DecodeInputReport(numbered, report), kTransportOk);
  EXPECT_EQ(report[1], 0x58);

  numbered[0] = 1;
  EXPECT_EQ(DecodeInputReport(numbered, report), kWrongReportId) << "right length, wrong report id";
  EXPECT_EQ(DecodeInputReport(std::span(payload).first(63), report), kWrongLength);
  EXPECT_EQ(DecodeInputReport(std::vector<std::uint8_t>(66, 0), report), kWrongLength);
}

TEST(HidTransportTest, WriteOutcomesFollowTheTransportCodes) {
  struct Case {
    int written;
    int error;
    int expected;
  } const cases[] = {
      {65, 0, kTransportOk},      // the whole report
      {64, 0, kWrongLength},      // a report cut short
      {0, 0, kWrongLength},       // nothing moved
      {-1, ETIMEDOUT, kTimeout},  // the kernel's USB time-out cancelled the transfer
      {-1, ENODEV, ENODEV},       // unplugged
      {-1, 0, EIO},               // a failure without an errno still fails
  };
  for (const Case& c : cases) EXPECT_EQ(WriteOutcome(c.written, c.error), c.expected) << c.written << " " << c.error;
}

TEST(HidTransportTest, ClosedTransportRefusesTransfersAndMissingPathFailsWithErrno) {
  HidTransport transport;
  Report report{};
  EXPECT_GT(transport.WriteReport(report, std::chrono::milliseconds(10)), 0);
  EXPECT_GT(transport.ReadReport(report, std::chrono::milliseconds(10)), 0);
  EXPECT_GT(transport.Open("/nonexistent/hidraw99"), 0);
  transport.Close();
  transport.Close();
}

}  // namespace
}  // namespace torvane::device
