// The HID class's device notifications as the monitor's window receives them,
// sent to it here as the system would broadcast them.
#include "platform/windows/DeviceInterfaceMonitor.h"

#include <dbt.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace torvane::platform {
namespace {

using Change = HotplugMonitor::Change;

constexpr char kAdapter[] = R"(\\?\hid#vid_0e3a&pid_b372#7&1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})";
constexpr char kAdapterUpper[] = R"(\\?\HID#VID_0E3A&PID_B372#7&1A2B&0&0000#{4D1E55B2-F16F-11CF-88CB-001111000030})";

TEST(DeviceInterfaceMonitorTest, TellsAnAdapterByItsPathInAnyCaseAndReadsItsIds) {
  struct Case {
    const char* path;
    bool adapter;
    std::uint16_t product;
  };
  const Case cases[] = {
      {kAdapter, true, 0xB372},
      {R"(\\?\HID#VID_0E3A&PID_B370&MI_00#8&ff#{4d1e55b2-f16f-11cf-88cb-001111000030})", true, 0xB370},
      {R"(\\?\HID#VID_0E3A&PID_B371#7&00#{4d1e55b2-f16f-11cf-88cb-001111000030})", false, 0},
      {R"(\\?\HID#VID_046D&PID_B372#7&00#{4d1e55b2-f16f-11cf-88cb-001111000030})", false, 0},
  };
  for (const Case& c : cases) {
    device::DeviceEvent event;
    EXPECT_EQ(AdapterOfInterfacePath(c.path, event), c.adapter) << c.path;
    if (!c.adapter) continue;
    EXPECT_EQ(event.vendor_id, 0x0E3A);
    EXPECT_EQ(event.product_id, c.product);
    EXPECT_EQ(event.path.rfind(R"(\\?\HID#VID_0E3A&PID_B37)", 0), 0u) << "upper-cased: " << event.path;
  }
}

// A broadcast record of `type` naming `path`, laid out as the system sends it.
std::vector<std::uint8_t> Broadcast(DWORD type, const std::string& path) {
  const std::wstring name(path.begin(), path.end());
  std::vector<std::uint8_t> bytes(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + name.size() * sizeof(wchar_t));
  auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(bytes.data());
  record->dbcc_size = static_cast<DWORD>(bytes.size());
  record->dbcc_devicetype = type;
  std::memcpy(record->dbcc_name, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
  return bytes;
}

TEST(DeviceInterfaceMonitorTest, ReportsArrivalAndRemovalOfAnAdapterInterfaceOnly) {
  auto monitor = DeviceInterfaceMonitor::Create();
  ASSERT_NE(monitor, nullptr);
  std::vector<std::pair<Change, std::string>> seen;
  EXPECT_TRUE(monitor->Watch(
      [&seen](Change change, const device::DeviceEvent& adapter) { seen.emplace_back(change, adapter.path); }));
  const auto send = [&monitor](WPARAM event, DWORD type, const std::string& path) {
    std::vector<std::uint8_t> record = Broadcast(type, path);
    ::SendMessageW(monitor->window(), WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(record.data()));
  };
  send(DBT_DEVICEARRIVAL, DBT_DEVTYP_DEVICEINTERFACE, kAdapter);
  send(DBT_DEVICEQUERYREMOVE, DBT_DEVTYP_DEVICEINTERFACE, kAdapter);
  send(DBT_DEVICEARRIVAL, DBT_DEVTYP_DEVICEINTERFACE, R"(\\?\HID#VID_046D&PID_C52B#7&00#{x})");
  send(DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_VOLUME, kAdapter);
  send(DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_DEVICEINTERFACE, kAdapter);
  EXPECT_EQ(seen, (std::vector<std::pair<Change, std::string>>{{Change::kArrival, kAdapterUpper},
                                                               {Change::kRemoval, kAdapterUpper}}));
  // No adapter is attached under test: none is listed.
  EXPECT_TRUE(monitor->EnumerateAdapters().empty());
}

}  // namespace
}  // namespace torvane::platform
