// The Windows choice for the platform interfaces of the UI thread; those that programs without windows use too (the
// single instance, the device notifications, the data folder, the narrow text codec) choose in their own files.
// clang-format off
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>
// clang-format on

#include "platform/InputCapture.h"
#include "platform/KeyTranslator.h"
#include "platform/OpenLink.h"
#include "platform/ProcessFigures.h"
#include "platform/windows/HookInputCapture.h"
#include "platform/windows/LowLevelInput.h"
#include "platform/windows/WideText.h"

namespace torvane::platform {

namespace {

constexpr std::uint32_t kExtendedScanCode = 0x100;  // in the scan code Qt's key events carry

// Keys by their virtual key, as window messages and the hooks give them.
class VirtualKeyTranslator final : public KeyTranslator {
 public:
  std::uint8_t KeyCodeFromNativeKey(std::uint32_t scan_code, std::uint32_t virtual_key) const override {
    return KeyCodeOfKeyEvent(virtual_key, scan_code & 0xFF, (scan_code & kExtendedScanCode) != 0);
  }
  // By the buttons' virtual keys: VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1 and VK_XBUTTON2.
  std::uint8_t KeyCodeFromNativeButton(std::uint32_t button) const override {
    switch (button) {
      case VK_LBUTTON:
        return 173;
      case VK_RBUTTON:
        return 174;
      case VK_MBUTTON:
        return 175;
      case VK_XBUTTON1:
        return 176;
      case VK_XBUTTON2:
        return 177;
      default:
        return 0;
    }
  }
};

std::uint64_t Ticks(const FILETIME& time) {  // 100 ns
  return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

}  // namespace

const KeyTranslator& KeyTranslator::Native() {
  static const VirtualKeyTranslator translator;
  return translator;
}

std::unique_ptr<InputCapture> InputCapture::Create() {
  return std::make_unique<HookInputCapture>();
}

ProcessFigures ProcessFigures::Measure() {
  ProcessFigures figures;
  FILETIME created{}, exited{}, kernel{}, user{}, now{};
  if (::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user) != 0) {
    ::GetSystemTimeAsFileTime(&now);
    figures.since_start_ms = static_cast<double>(Ticks(now) - Ticks(created)) / 10'000.0;
  }
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory) != 0) {
    figures.rss_kib = static_cast<long>(memory.WorkingSetSize / 1024);
  }
  return figures;
}

bool OpenLink(std::string_view address) {
  // The shell's "open" verb, shown normally; it gives a value above 32 when it handed the address on.
  const HINSTANCE result = ::ShellExecuteW(nullptr, L"open", Widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace torvane::platform
