#include "device/DevicePresence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace torvane::device {
namespace {

class FakeHost final : public PresenceHost {
 public:
  std::vector<std::string> calls;
  bool timer_running = false;
  InstallationState installation = InstallationState::kIdle;

  void StartSettleTimer() override {
    timer_running = true;
    calls.push_back("start");
  }
  void StopSettleTimer() override {
    timer_running = false;
    calls.push_back("stop");
  }
  void PostReadRequest() override { calls.push_back("read"); }
  void PostDeviceRemoved() override { calls.push_back("removed"); }
  InstallationState QueryInstallation() override { return installation; }
};

const DeviceEvent kB372{R"(\\?\hid#vid_0e3a&pid_b372#7&1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})"};
const DeviceEvent kB372Other{R"(\\?\HID#VID_0E3A&PID_B372#9&FFFF&0&0000#{4D1E55B2-F16F-11CF-88CB-001111000030})"};
const DeviceEvent kB370{R"(\\?\HID#VID_0E3A&PID_B370#1&0&0000#{4D1E55B2-F16F-11CF-88CB-001111000030})"};
const DeviceEvent kOtherProduct{R"(\\?\HID#VID_0E3A&PID_B371#1&0&0000#{4D1E55B2-F16F-11CF-88CB-001111000030})"};

class DevicePresenceTest : public ::testing::Test {
 protected:
  DeviceContext context;
  FakeHost host;
  DevicePresence presence{context, host};
};

TEST_F(DevicePresenceTest, LowerCasePathIsTakenAndReadOnlyOnceInstallationIsDone) {
  presence.Discover({kOtherProduct, kB372, kB370});
  EXPECT_EQ(presence.state(), PresenceState::kSettling);
  EXPECT_EQ(context.device_path(), kB372.path) << "the path stays as the system gave it";
  EXPECT_EQ(host.calls, (std::vector<std::string>{"start"}));

  host.installation = InstallationState::kPending;
  presence.OnSettleTimer();
  presence.OnSettleTimer();
  EXPECT_EQ(presence.state(), PresenceState::kSettling);
  EXPECT_TRUE(host.timer_running);

  host.installation = InstallationState::kIdle;
  presence.OnSettleTimer();
  EXPECT_EQ(presence.state(), PresenceState::kPresent);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"start", "stop", "read"}));
  presence.OnSettleTimer();  // a tick already queued when the timer stopped
  EXPECT_EQ(host.calls.size(), 3u);
}

TEST_F(DevicePresenceTest, FailedInstallationQueriesDelayTheReadButDoNotCancelIt) {
  presence.OnArrival(kB370);
  host.installation = InstallationState::kQueryFailed;
  presence.OnSettleTimer();
  presence.OnSettleTimer();
  // A pending answer breaks the row of failures.
  host.installation = InstallationState::kPending;
  presence.OnSettleTimer();
  host.installation = InstallationState::kQueryFailed;
  presence.OnSettleTimer();
  presence.OnSettleTimer();
  EXPECT_EQ(presence.state(), PresenceState::kSettling);
  EXPECT_TRUE(host.timer_running);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"start"}));

  presence.OnSettleTimer();  // the third failure in a row
  EXPECT_EQ(presence.state(), PresenceState::kPresent);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"start", "stop", "read"}));
}

TEST_F(DevicePresenceTest, EachAdapterTakenGetsANewTag) {
  presence.OnArrival(kB372);
  const std::uint64_t first = presence.adapter_tag();
  presence.OnArrival(kB370);  // ignored while the first is remembered
  EXPECT_EQ(presence.adapter_tag(), first);
  presence.OnRemoval(kB372);
  EXPECT_EQ(presence.adapter_tag(), first) << "the tag of the last adapter stays until another is taken";
  presence.OnArrival(kB372);
  EXPECT_NE(presence.adapter_tag(), first);
}

TEST_F(DevicePresenceTest, OtherProductsAndSecondAdaptersAreIgnored) {
  presence.OnArrival(kOtherProduct);
  presence.OnArrival({"/dev/hidraw0", 0x0E3A, 0xB371});
  presence.OnArrival({"/dev/hidraw1", 0x046D, 0xB372});
  EXPECT_EQ(presence.state(), PresenceState::kAbsent);
  EXPECT_TRUE(host.calls.empty());

  presence.OnArrival(kB372);
  presence.OnArrival(kB370);
  EXPECT_EQ(presence.device_path(), kB372.path);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"start"}));
}

TEST_F(DevicePresenceTest, RemovalWithinTheSettleSecondCancelsTheRead) {
  presence.OnArrival(kB372);
  presence.OnRemoval(kB372);
  EXPECT_EQ(presence.state(), PresenceState::kAbsent);
  EXPECT_EQ(context.device_path(), "");
  presence.OnSettleTimer();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"start", "stop", "removed"}));
  EXPECT_FALSE(host.timer_running);
}

TEST_F(DevicePresenceTest, RemovalMatchesByProductIdTextOnly) {
  presence.OnArrival(kB372);
  host.calls.clear();
  presence.OnRemoval(kB370);
  presence.OnRemoval(kOtherProduct);
  EXPECT_EQ(presence.state(), PresenceState::kSettling);
  EXPECT_TRUE(host.calls.empty());

  // Another adapter with the same product id: the remembered one is forgotten all the same.
  presence.OnRemoval(kB372Other);
  EXPECT_EQ(presence.state(), PresenceState::kAbsent);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"stop", "removed"}));
  presence.OnRemoval(kB372);
  EXPECT_EQ(host.calls.size(), 2u) << "nothing remembered, nothing removed";

  presence.OnArrival(kB370);
  EXPECT_EQ(presence.state(), PresenceState::kSettling) << "a new adapter is taken after the removal";
}

TEST_F(DevicePresenceTest, DeviceNodesAreIdentifiedByIdsAndRemovedByNode) {
  presence.Discover({{"/dev/hidraw2", 0x0E3A, 0xB370}});
  ASSERT_EQ(context.device_path(), "/dev/hidraw2");
  host.installation = InstallationState::kIdle;
  presence.OnSettleTimer();
  host.calls.clear();

  presence.OnRemoval({"/dev/hidraw3", 0x0E3A, 0xB370});
  EXPECT_EQ(presence.state(), PresenceState::kPresent);
  presence.OnRemoval({"/dev/hidraw2"});  // ids are no longer readable once the node is gone
  EXPECT_EQ(presence.state(), PresenceState::kAbsent);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"stop", "removed"}));
}

}  // namespace
}  // namespace torvane::device
