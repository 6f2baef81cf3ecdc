#pragma once

// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include <memory>
#include <string_view>
#include <vector>

#include "platform/HotplugMonitor.h"

namespace torvane::platform {

// The adapters as the HID class's device-interface notifications see them,
// received by a message-only window of the UI thread, whose messages any
// event loop of that thread (Qt's included) dispatches.
class DeviceInterfaceMonitor final : public HotplugMonitor {
 public:
  static std::unique_ptr<DeviceInterfaceMonitor> Create();
  ~DeviceInterfaceMonitor() override;
  DeviceInterfaceMonitor(const DeviceInterfaceMonitor&) = delete;
  DeviceInterfaceMonitor& operator=(const DeviceInterfaceMonitor&) = delete;

  std::vector<device::DeviceEvent> EnumerateAdapters() override;
  bool Watch(Handler handler) override;
  device::InstallationState QueryInstallation() const override;

  // The window the notifications arrive at.
  HWND window() const { return window_; }

 private:
  explicit DeviceInterfaceMonitor(HWND window) : window_(window) {}
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void OnDeviceChange(WPARAM event, const DEV_BROADCAST_HDR* header);

  HWND window_;
  HDEVNOTIFY notification_ = nullptr;
  Handler handler_;
};

// The adapter an interface path names (upper-cased, its ids read from the
// "VID_xxxx&PID_yyyy" part); false for any other device.
bool AdapterOfInterfacePath(std::string_view path, device::DeviceEvent& adapter);

}  // namespace torvane::platform
