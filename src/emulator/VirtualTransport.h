#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "device/Transport.h"
#include "emulator/VirtualAdapter.h"

namespace torvane::emulator {

// Contains the adapter texts of a real adapter's device path, so presence
// logic that looks for them accepts it.
inline constexpr char kVirtualAdapterPath[] = "virtual/VID_0E3A&PID_B372";

// The transport contract over a VirtualAdapter in the same process. Like every
// transport it serves one thread; the adapter may be unplugged, pressed or
// faulted from others meanwhile.
class VirtualTransport final : public device::Transport {
 public:
  explicit VirtualTransport(VirtualAdapter& adapter, std::string path = kVirtualAdapterPath);

  // Time each report spends on the way, in either direction; waited out on the
  // adapter's clock, so an unplug cuts it short.
  void set_latency(std::chrono::microseconds each_way) { latency_ = each_way; }

  std::vector<std::string> ListAdapters() override;
  int Open(const std::string& path) override;
  void Close() override;
  int WriteReport(const device::Report& report, std::chrono::milliseconds timeout) override;
  int ReadReport(device::Report& report, std::chrono::milliseconds timeout) override;

 private:
  struct InFlight {
    AdapterAnswer answer;
    Clock::time_point arrives;
  };

  VirtualAdapter& adapter_;
  const std::string path_;
  std::chrono::microseconds latency_{0};
  bool open_ = false;
  std::uint64_t generation_ = 0;
  // Answers not read yet: one that arrives after its reader gave up is still
  // there for the next read, as with a real device.
  std::deque<InFlight> answers_;
};

}  // namespace torvane::emulator
