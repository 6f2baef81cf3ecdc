#include "device/windows/Win32HidCalls.h"

// clang-format off
#include <windows.h>
#include <setupapi.h>
// mingw-w64's hidsdi.h declares its functions without C linkage.
extern "C" {
#include <hidsdi.h>
}
// clang-format on

#include <algorithm>
#include <array>
#include <string_view>

#include "device/UsbTransport.h"

namespace torvane::device {

namespace {

std::wstring Widen(std::string_view text) {
  if (text.empty()) return {};
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(size, 0)), L'\0');
  if (size > 0) ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int size =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(std::max(size, 0)), '\0');
  if (size > 0) {
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr,
                          nullptr);
  }
  return narrow;
}

int LastError() {
  const DWORD error = ::GetLastError();
  return error != 0 ? static_cast<int>(error) : ERROR_GEN_FAILURE;
}

// One direction: its handle, overlapped record, manual-reset event and the
// report buffer the system fills or sends while a transfer runs.
struct Channel {
  HANDLE handle = INVALID_HANDLE_VALUE;
  HANDLE event = nullptr;
  OVERLAPPED overlapped{};
  Report buffer{};
  bool in_flight = false;  // started, pending, and not yet seen to finish
};

class Win32HidCalls final : public OverlappedHidCalls {
 public:
  Win32HidCalls() {
    for (Channel& channel : channels_) channel.event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  }
  ~Win32HidCalls() override {
    for (Channel& channel : channels_) {
      CloseHandleOf(channel);
      if (channel.event != nullptr) ::CloseHandle(channel.event);
    }
  }
  Win32HidCalls(const Win32HidCalls&) = delete;
  Win32HidCalls& operator=(const Win32HidCalls&) = delete;

  std::vector<std::string> InterfacePaths() override { return HidInterfacePaths(); }

  int Open(const std::string& path, Direction direction) override {
    Channel& channel = ChannelOf(direction);
    CloseHandleOf(channel);
    if (channel.event == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
    const DWORD access = direction == Direction::kWrite ? GENERIC_WRITE : GENERIC_READ;
    channel.handle =
        ::CreateFileW(Widen(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                      FILE_FLAG_OVERLAPPED | FILE_FLAG_NO_BUFFERING | FILE_ATTRIBUTE_NORMAL, nullptr);
    return channel.handle == INVALID_HANDLE_VALUE ? LastError() : 0;
  }

  void Close(Direction direction) override { CloseHandleOf(ChannelOf(direction)); }

  bool IsOpen(Direction direction) const override {
    return channels_[static_cast<std::size_t>(direction)].handle != INVALID_HANDLE_VALUE;
  }

  Start StartWrite(const Report& report) override {
    Channel& channel = Prepare(Direction::kWrite);
    channel.buffer = report;
    if (::WriteFile(channel.handle, channel.buffer.data(), kReportSize, nullptr, &channel.overlapped)) {
      return {true, 0};
    }
    return Pending(channel);
  }

  Start StartRead() override {
    Channel& channel = Prepare(Direction::kRead);
    channel.buffer.fill(0);
    if (::ReadFile(channel.handle, channel.buffer.data(), kReportSize, nullptr, &channel.overlapped)) {
      return {true, 0};
    }
    return Pending(channel);
  }

  int Wait(Direction direction, std::chrono::milliseconds timeout) override {
    Channel& channel = ChannelOf(direction);
    const auto wait = static_cast<DWORD>(std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, 0x7FFFFFFE));
    switch (::WaitForSingleObject(channel.event, wait)) {
      case WAIT_OBJECT_0:
        channel.in_flight = false;
        return 0;
      case WAIT_TIMEOUT:
        return kTimeout;
      default:
        // WAIT_FAILED would read as -1, a protocol code; the reason is the system's.
        return LastError();
    }
  }

  void Cancel(Direction direction) override {
    Channel& channel = ChannelOf(direction);
    if (channel.handle == INVALID_HANDLE_VALUE) return;
    if (!::CancelIo(channel.handle) || !channel.in_flight) return;
    // The cancelled transfer still owns the buffer and the overlapped record
    // until it completes; the next transfer reuses both. A transfer refused at
    // its start never signals, so only one that was pending is waited for.
    DWORD moved = 0;
    ::GetOverlappedResult(channel.handle, &channel.overlapped, &moved, TRUE);
    channel.in_flight = false;
  }

  int Outcome(Direction direction, std::uint32_t& length) override {
    Channel& channel = ChannelOf(direction);
    DWORD moved = 0;
    if (!::GetOverlappedResult(channel.handle, &channel.overlapped, &moved, FALSE)) return LastError();
    length = moved;
    return 0;
  }

  const Report& Received() const override { return channels_[static_cast<std::size_t>(Direction::kRead)].buffer; }

 private:
  Channel& ChannelOf(Direction direction) { return channels_[static_cast<std::size_t>(direction)]; }

  static Start Pending(Channel& channel) {
    const DWORD error = ::GetLastError();
    channel.in_flight = error == ERROR_IO_PENDING;
    return {false, static_cast<int>(error)};
  }

  Channel& Prepare(Direction direction) {
    Channel& channel = ChannelOf(direction);
    ::ResetEvent(channel.event);
    channel.in_flight = false;
    channel.overlapped = {};
    channel.overlapped.hEvent = channel.event;
    return channel;
  }

  static void CloseHandleOf(Channel& channel) {
    if (channel.handle == INVALID_HANDLE_VALUE) return;
    ::CloseHandle(channel.handle);
    channel.handle = INVALID_HANDLE_VALUE;
  }

  std::array<Channel, 2> channels_;
};

}  // namespace

std::vector<std::string> HidInterfacePaths() {
  std::vector<std::string> paths;
  GUID hid_class{};
  ::HidD_GetHidGuid(&hid_class);
  const HDEVINFO set = ::SetupDiGetClassDevsW(&hid_class, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return paths;
  SP_DEVICE_INTERFACE_DATA entry{};
  entry.cbSize = sizeof(entry);
  for (DWORD index = 0; ::SetupDiEnumDeviceInterfaces(set, nullptr, &hid_class, index, &entry); ++index) {
    DWORD size = 0;
    ::SetupDiGetDeviceInterfaceDetailW(set, &entry, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) continue;
    // DWORD-aligned storage for the variable-length detail record.
    std::vector<DWORD> storage((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!::SetupDiGetDeviceInterfaceDetailW(set, &entry, detail, size, nullptr, nullptr)) continue;
    paths.push_back(Narrow(detail->DevicePath));
  }
  ::SetupDiDestroyDeviceInfoList(set);
  return paths;
}

std::unique_ptr<OverlappedHidCalls> MakeWin32HidCalls() {
  return std::make_unique<Win32HidCalls>();
}

std::unique_ptr<Transport> MakeUsbTransport() {
  return std::make_unique<OverlappedHidTransport>(MakeWin32HidCalls());
}

}  // namespace torvane::device
