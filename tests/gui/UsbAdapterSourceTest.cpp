// The USB adapter source over the system's hot-plug monitor, and its polling when the monitor cannot watch.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/UsbAdapterSource.h"
#include "support/FakeHotplugMonitor.h"
#include "support/MainWindowFixture.h"

namespace torvane::testing {
namespace {

using Change = app::AdapterSource::Change;
using Changes = std::vector<std::pair<Change, std::string>>;

const device::DeviceEvent kFirst{"/dev/hidraw3", 0x0E3A, 0xB372};
const device::DeviceEvent kSecond{"/dev/hidraw4", 0x0E3A, 0xB370};

app::AdapterSource::ChangeHandler Record(Changes& changes) {
  return [&changes](Change change, const device::DeviceEvent& event) { changes.emplace_back(change, event.path); };
}

TEST(UsbAdapterSourceTest, PassesOnWhatTheMonitorReports) {
  auto state = std::make_shared<FakeHotplugMonitor::State>();
  state->present = {kFirst};
  state->installation = device::InstallationState::kPending;
  app::UsbAdapterSource source(std::make_unique<FakeHotplugMonitor>(state));
  Changes changes;
  source.Watch(Record(changes));
  ASSERT_TRUE(state->handler);
  EXPECT_EQ(source.PresentAdapters().size(), 1u);
  EXPECT_EQ(source.QueryInstallation(), device::InstallationState::kPending);

  state->handler(platform::HotplugMonitor::Change::kRemoval, kFirst);
  state->handler(platform::HotplugMonitor::Change::kArrival, kSecond);
  EXPECT_EQ(changes, (Changes{{Change::kRemoval, kFirst.path}, {Change::kArrival, kSecond.path}}));

  // Without a monitor nothing is found and nothing waits for installation.
  app::UsbAdapterSource blind(nullptr);
  blind.Watch(Record(changes));
  EXPECT_TRUE(blind.PresentAdapters().empty());
  EXPECT_EQ(blind.QueryInstallation(), device::InstallationState::kIdle);
}

TEST(UsbAdapterSourceTest, AMonitorThatCannotWatchIsPolled) {
  auto state = std::make_shared<FakeHotplugMonitor::State>();
  state->can_watch = false;
  state->present = {kFirst};
  app::UsbAdapterSource source(std::make_unique<FakeHotplugMonitor>(state));
  Changes changes;
  source.Watch(Record(changes));

  // The adapter present at the start is no arrival; a swap reads as the removal, then the arrival.
  state->present = {kSecond};
  ASSERT_TRUE(WaitUntil([&changes] { return changes.size() >= 2; }));
  EXPECT_EQ(changes, (Changes{{Change::kRemoval, kFirst.path}, {Change::kArrival, kSecond.path}}));
  state->present.clear();
  ASSERT_TRUE(WaitUntil([&changes] { return changes.size() >= 3; }));
  EXPECT_EQ(changes.back(), std::make_pair(Change::kRemoval, kSecond.path));
}

}  // namespace
}  // namespace torvane::testing
