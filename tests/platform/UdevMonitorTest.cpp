#include "platform/linux/UdevMonitor.h"

#include <gtest/gtest.h>
#include <poll.h>

#include "device/AdapterPath.h"

namespace torvane::platform {
namespace {

TEST(UdevMonitorTest, EnumeratesOnlyAdaptersAndNeverBlocksTheUiThread) {
  auto monitor = UdevMonitor::Create();
  if (!monitor) GTEST_SKIP() << "no udev netlink monitor in this environment";
  ASSERT_GE(monitor->fd(), 0);
  for (const device::DeviceEvent& adapter : monitor->EnumerateAdapters()) {
    EXPECT_TRUE(device::IsAdapterIds(adapter.vendor_id, adapter.product_id)) << adapter.path;
    EXPECT_FALSE(adapter.path.empty());
  }
  // Draining with nothing waiting must return at once; the UI calls it from its event loop.
  pollfd readable{monitor->fd(), POLLIN, 0};
  if (poll(&readable, 1, 0) == 0) {
    EXPECT_TRUE(monitor->DrainEvents().empty());
  }
  EXPECT_NE(monitor->QueryInstallation(), device::InstallationState::kQueryFailed);
}

}  // namespace
}  // namespace torvane::platform
