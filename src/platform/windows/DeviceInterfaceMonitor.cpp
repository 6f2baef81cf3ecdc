#include "platform/windows/DeviceInterfaceMonitor.h"

// clang-format off
#include <windows.h>
#include <cfgmgr32.h>
// mingw-w64's hidsdi.h declares its functions without C linkage.
extern "C" {
#include <hidsdi.h>
}
// clang-format on

#include <optional>
#include <utility>

#include "device/AdapterPath.h"
#include "device/HidIds.h"
#include "device/windows/Win32HidCalls.h"
#include "platform/windows/WideText.h"

namespace torvane::platform {

namespace {

constexpr wchar_t kWindowClass[] = L"TorvaneDeviceInterfaceMonitor";

std::optional<std::uint16_t> IdAfter(std::string_view upper, std::string_view label) {
  const std::size_t at = upper.find(label);
  if (at == std::string_view::npos || upper.size() < at + label.size() + 4) return std::nullopt;
  return device::ParseHexId(upper.substr(at + label.size(), 4));
}

}  // namespace

bool AdapterOfInterfacePath(std::string_view path, device::DeviceEvent& adapter) {
  const std::string upper = device::ToUpperAscii(path);
  if (!device::IsAdapterPath(upper)) return false;
  const auto vendor = IdAfter(upper, "VID_");
  const auto product = IdAfter(upper, "PID_");
  if (!vendor || !product) return false;
  adapter = device::DeviceEvent{upper, *vendor, *product};
  return true;
}

std::unique_ptr<DeviceInterfaceMonitor> DeviceInterfaceMonitor::Create() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = &DeviceInterfaceMonitor::WindowProc;
  window_class.hInstance = instance;
  window_class.lpszClassName = kWindowClass;
  if (::RegisterClassExW(&window_class) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
  const HWND window = ::CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  if (window == nullptr) return nullptr;
  std::unique_ptr<DeviceInterfaceMonitor> monitor(new DeviceInterfaceMonitor(window));
  ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(monitor.get()));
  return monitor;
}

DeviceInterfaceMonitor::~DeviceInterfaceMonitor() {
  if (notification_ != nullptr) ::UnregisterDeviceNotification(notification_);
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  ::DestroyWindow(window_);
}

std::vector<device::DeviceEvent> DeviceInterfaceMonitor::EnumerateAdapters() {
  std::vector<device::DeviceEvent> adapters;
  for (const std::string& path : device::HidInterfacePaths()) {
    device::DeviceEvent adapter;
    if (AdapterOfInterfacePath(path, adapter)) adapters.push_back(std::move(adapter));
  }
  return adapters;
}

bool DeviceInterfaceMonitor::Watch(Handler handler) {
  handler_ = std::move(handler);
  if (notification_ != nullptr) return true;
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = sizeof(filter);
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  ::HidD_GetHidGuid(&filter.dbcc_classguid);
  notification_ = ::RegisterDeviceNotificationW(window_, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
  return notification_ != nullptr;
}

device::InstallationState DeviceInterfaceMonitor::QueryInstallation() const {
  switch (::CMP_WaitNoPendingInstallEvents(1)) {
    case WAIT_OBJECT_0:
      return device::InstallationState::kIdle;
    case WAIT_TIMEOUT:
      return device::InstallationState::kPending;
    default:
      return device::InstallationState::kQueryFailed;
  }
}

LRESULT CALLBACK DeviceInterfaceMonitor::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DEVICECHANGE) {
    auto* monitor = reinterpret_cast<DeviceInterfaceMonitor*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (monitor != nullptr && lparam != 0) {
      monitor->OnDeviceChange(wparam, reinterpret_cast<const DEV_BROADCAST_HDR*>(lparam));
    }
    return TRUE;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

void DeviceInterfaceMonitor::OnDeviceChange(WPARAM event, const DEV_BROADCAST_HDR* header) {
  if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) return;
  if (header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE || !handler_) return;
  const auto* record = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
  device::DeviceEvent adapter;
  if (!AdapterOfInterfacePath(Narrow(record->dbcc_name), adapter)) return;
  handler_(event == DBT_DEVICEARRIVAL ? Change::kArrival : Change::kRemoval, adapter);
}

std::unique_ptr<HotplugMonitor> HotplugMonitor::Create() {
  return DeviceInterfaceMonitor::Create();
}

}  // namespace torvane::platform
