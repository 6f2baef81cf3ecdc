#include "emulator/VirtualTransport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <thread>
#include <vector>

#include "ReportBytes.h"
#include "TransportExchange.h"

namespace torvane::emulator {
namespace {

using namespace reports;  // NOLINT: the report helpers
using std::chrono::milliseconds;

const device::Report kKeyPoll = Request(device::kCmdGetKeyCode, 0, 1);

milliseconds Since(Clock::time_point start) {
  return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
}

class VirtualTransportTest : public ::testing::Test {
 protected:
  VirtualAdapter adapter_;
  VirtualTransport transport_{adapter_};
};

TEST_F(VirtualTransportTest, ListsAndOpensTheAdapterOnlyWhilePluggedIn) {
  ASSERT_EQ(transport_.ListAdapters().size(), 1u);
  EXPECT_NE(transport_.ListAdapters()[0].find("VID_0E3A&PID_B372"), std::string::npos);
  EXPECT_EQ(transport_.WriteReport(kKeyPoll, milliseconds(10)), EBADF);  // not open
  EXPECT_EQ(transport_.Open("/dev/hidraw0"), ENOENT);

  adapter_.Unplug();
  EXPECT_TRUE(transport_.ListAdapters().empty());
  EXPECT_EQ(transport_.Open(kVirtualAdapterPath), ENODEV);
  adapter_.Plug();
  ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  EXPECT_EQ(Send(transport_, kKeyPoll).read, 0);
  transport_.Close();
  device::Report answer{};
  EXPECT_EQ(transport_.ReadReport(answer, milliseconds(10)), EBADF);
}

TEST_F(VirtualTransportTest, AHandleOpenedBeforeAnUnplugStaysDeadAfterTheNextPlugIn) {
  ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  adapter_.Unplug();
  adapter_.Plug();
  EXPECT_EQ(transport_.WriteReport(kKeyPoll, milliseconds(10)), ENODEV);
  EXPECT_EQ(adapter_.TotalRequests(), 0u);
}

TEST_F(VirtualTransportTest, ReportsWithAnotherIdAreRefusedBeforeTheAdapterSeesThem) {
  ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  device::Report numbered = kKeyPoll;
  numbered[0] = 2;
  EXPECT_EQ(transport_.WriteReport(numbered, milliseconds(10)), EINVAL);
  EXPECT_EQ(adapter_.TotalRequests(), 0u);
}

TEST_F(VirtualTransportTest, ReadWithoutAnAnswerWaitsOutItsTimeOut) {
  ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  device::Report answer{};
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(transport_.ReadReport(answer, milliseconds(50)), device::kTimeout);
  EXPECT_GE(Since(start), milliseconds(50));
}

TEST_F(VirtualTransportTest, LatencyDelaysEachWayAndALateAnswerWaitsForTheNextRead) {
  ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  transport_.set_latency(milliseconds(30));
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(Send(transport_, kKeyPoll).read, 0);
  EXPECT_GE(Since(start), milliseconds(60));

  adapter_.PressKey(0x1E);
  ASSERT_EQ(transport_.WriteReport(kKeyPoll, milliseconds(1000)), 0);
  device::Report answer{};
  EXPECT_EQ(transport_.ReadReport(answer, milliseconds(5)), device::kTimeout);
  EXPECT_EQ(transport_.ReadReport(answer, milliseconds(1000)), 0);
  EXPECT_EQ(answer[13], 0x1E);
}

TEST_F(VirtualTransportTest, RequestSlowerThanTheWriteTimeOutNeverArrives) {
  ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  transport_.set_latency(milliseconds(200));
  EXPECT_EQ(transport_.WriteReport(kKeyPoll, milliseconds(20)), device::kTimeout);
  EXPECT_EQ(adapter_.TotalRequests(), 0u);
}

TEST_F(VirtualTransportTest, EraseTimeDelaysOnlyTheEraseAnswer) {
  ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  adapter_.SetEraseTime(milliseconds(40));
  const Clock::time_point start = Clock::now();
  const Exchange erase = Send(transport_, Request(device::kCmdEraseFlash, 0, 2, {5, 6}), milliseconds(5000));
  EXPECT_EQ(erase.read, 0);
  EXPECT_GE(Since(start), milliseconds(80));
  EXPECT_EQ(Send(transport_, Request(device::kCmdEraseFlash, 0, 1, {1}), milliseconds(10)).read, device::kTimeout);
  EXPECT_EQ(Send(transport_, kKeyPoll, milliseconds(10)).read,
            device::kTimeout);  // the late erase answer is in the way
}

TEST_F(VirtualTransportTest, UnplugFromAnotherThreadEndsAWaitingReadAtOnce) {
  ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  adapter_.ArmFault({FaultKind::kNoAnswer});
  ASSERT_EQ(transport_.WriteReport(kKeyPoll, milliseconds(1000)), 0);
  std::thread unplugger([&] {
    std::this_thread::sleep_for(milliseconds(30));
    adapter_.Unplug();
  });
  const Clock::time_point start = Clock::now();
  device::Report answer{};
  EXPECT_EQ(transport_.ReadReport(answer, milliseconds(5000)), ENODEV);
  EXPECT_LT(Since(start), milliseconds(2000));
  unplugger.join();
}

TEST_F(VirtualTransportTest, UnplugDuringLatencyFailsTheWrite) {
  ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  transport_.set_latency(milliseconds(2000));
  std::thread unplugger([&] {
    std::this_thread::sleep_for(milliseconds(30));
    adapter_.Unplug();
  });
  EXPECT_EQ(transport_.WriteReport(kKeyPoll, milliseconds(5000)), ENODEV);
  unplugger.join();
  EXPECT_EQ(adapter_.TotalRequests(), 0u);
}

// A key-code poll running as fast as it can while another thread presses keys:
// every key arrives exactly once and in order.
TEST_F(VirtualTransportTest, KeysPressedFromAnotherThreadArriveOnceEach) {
  ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  constexpr int kKeys = 200;
  std::thread presser([&] {
    for (int i = 1; i <= kKeys; ++i) adapter_.PressKey(static_cast<std::uint8_t>(1 + i % 255));
  });
  std::vector<std::uint8_t> received;
  for (int polls = 0; received.size() < kKeys && polls < 1'000'000; ++polls) {
    const Exchange poll = Send(transport_, kKeyPoll);
    ASSERT_EQ(poll.read, 0);
    if (poll.answer[13] != 0) received.push_back(poll.answer[13]);
  }
  presser.join();
  ASSERT_EQ(received.size(), static_cast<std::size_t>(kKeys));
  for (int i = 1; i <= kKeys; ++i) EXPECT_EQ(received[static_cast<std::size_t>(i - 1)], 1 + i % 255);
}

// Transfers racing an unplug either complete or fail with a system error, and
// once the adapter is away every transfer fails.
TEST_F(VirtualTransportTest, TransfersRacingAnUnplugNeverSucceedAfterIt) {
  ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  std::atomic<bool> unplugged{false};
  std::thread unplugger([&] {
    std::this_thread::sleep_for(milliseconds(5));
    adapter_.Unplug();
    unplugged = true;
  });
  int failures = 0;
  const Clock::time_point start = Clock::now();
  while (failures < 3 && Since(start) < milliseconds(10'000)) {
    const bool away_before = unplugged;
    const Exchange exchange = Send(transport_, Request(device::kCmdReadFlash, model::kBootBlockAddress, 52));
    if (away_before) {
      EXPECT_EQ(exchange.write, ENODEV);
    }
    if (exchange.write != 0 || exchange.read != 0) {
      EXPECT_EQ(exchange.write == 0 ? exchange.read : exchange.write, ENODEV);
      ++failures;
    }
  }
  unplugger.join();
  EXPECT_EQ(failures, 3);
}

}  // namespace
}  // namespace torvane::emulator
