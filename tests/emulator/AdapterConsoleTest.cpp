#include "emulator/AdapterConsole.h"

#include <gtest/gtest.h>

#include "device/ProtocolCodes.h"

namespace torvane::emulator {
namespace {

TEST(AdapterConsoleTest, PressesKeysGivenInDecimalOrHex) {
  VirtualAdapter adapter;
  AdapterConsole console(adapter);
  EXPECT_EQ(console.Execute("key 44"), "key 44 pressed");
  EXPECT_EQ(console.Execute("key 0x2C"), "key 44 pressed");
  EXPECT_EQ(console.Execute("key 255"), "key 255 pressed");
  EXPECT_EQ(adapter.pending_keys(), 3u);
  for (const char* bad : {"key", "key 0", "key 256", "key -1", "key 4x", "key 0x", "key 1 2"}) {
    console.Execute(bad);
  }
  EXPECT_EQ(adapter.pending_keys(), 3u);
}

TEST(AdapterConsoleTest, ChangesModePlugStateAndScenario) {
  VirtualAdapter adapter;
  AdapterConsole console(adapter);
  console.Execute("mode 7");
  EXPECT_EQ(adapter.run_status()[0], 7);
  console.Execute("unplug");
  EXPECT_FALSE(adapter.IsPlugged());
  EXPECT_EQ(console.Execute("key 4"), "the adapter is unplugged");
  console.Execute("plug");
  EXPECT_TRUE(adapter.IsPlugged());
  EXPECT_EQ(console.Execute("unplug now"), "unplug takes no argument");
  EXPECT_TRUE(adapter.IsPlugged());

  EXPECT_NE(console.Execute("scenario nowhere").find("no scenario"), std::string::npos);
  EXPECT_EQ(console.Execute("scenario working-mode-3"), "scenario working-mode-3 loaded");
  EXPECT_EQ(adapter.run_status()[0], 3);
  EXPECT_EQ(console.Execute("status"),
            "plugged in, working mode 3, 0 key(s) waiting, 0 request(s) served, 0 fault(s) armed");
  EXPECT_NE(console.Execute("explode").find("unknown command"), std::string::npos);
}

TEST(AdapterConsoleTest, ArmsAFaultForTheNamedRequestOnly) {
  VirtualAdapter adapter;
  AdapterConsole console(adapter);
  for (const char* bad : {"fault", "fault melt", "fault no-answer sing", "fault no-answer read now"}) {
    EXPECT_EQ(console.Execute(bad).find("armed"), std::string::npos) << bad;
  }
  EXPECT_EQ(console.Execute("fault wrong-report-id read"), "fault wrong-report-id armed for read");
  // A script learns from the status whether the fault has fired yet.
  EXPECT_TRUE(console.Execute("status").ends_with(", 1 fault(s) armed"));
  const auto answer_report_id = [&adapter](std::uint32_t command) {
    device::Report request{};
    request[device::kOffsetCommand] = static_cast<std::uint8_t>(command);
    request[device::kOffsetLength] = 1;  // one byte at address 0
    return adapter.Handle(request, adapter.generation()).answer.report[0];
  };
  EXPECT_EQ(answer_report_id(device::kCmdGetSysRunStatus), 0) << "a status request is not the one named";
  EXPECT_EQ(answer_report_id(device::kCmdReadFlash), 1);
  EXPECT_EQ(answer_report_id(device::kCmdReadFlash), 0) << "the fault fires once";
  EXPECT_TRUE(console.Execute("status").ends_with(", 0 fault(s) armed"));
}

}  // namespace
}  // namespace torvane::emulator
