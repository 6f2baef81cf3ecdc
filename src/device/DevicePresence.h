#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "device/DeviceContext.h"
#include "device/PresenceHost.h"

namespace torvane::device {

enum class PresenceState {
  kAbsent,    // no adapter remembered
  kSettling,  // adapter remembered, settle timer running
  kPresent,   // adapter remembered, read requested
};

// A device interface as the platform reports it. Windows-form paths name the
// ids in their text; device nodes (/dev/hidraw3) do not, so their ids come
// alongside (0 when unknown).
struct DeviceEvent {
  std::string path;
  std::uint16_t vendor_id = 0;
  std::uint16_t product_id = 0;
};

// Which adapter the program works with and when it may be read. Runs on the
// UI thread; it writes the device path that the worker opens.
//
// The first adapter found is remembered and starts the settle timer; further
// arrivals are ignored until it goes away. A removal forgets it when both
// paths carry the same adapter text (product ids only, as Windows-form paths
// allow) or when the removed device node is the remembered one. Each timer
// tick asks whether installations are pending and requests the read only once
// none is. A query that fails counts as pending for a few ticks in a row;
// then the read is requested all the same, and a read that fails then tells
// the player through its own error.
class DevicePresence {
 public:
  DevicePresence(DeviceContext& context, PresenceHost& host) : context_(context), host_(host) {}

  // The devices present at start-up; the first adapter among them is taken.
  void Discover(const std::vector<DeviceEvent>& present);
  void OnArrival(const DeviceEvent& event);
  void OnRemoval(const DeviceEvent& event);
  void OnSettleTimer();

  // Failed installation queries in a row after which the read goes ahead.
  static constexpr int kQueryFailuresBeforeRead = 3;

  PresenceState state() const { return state_; }
  const std::string& device_path() const { return path_; }
  // Tells the plug-ins apart: a new value for each adapter taken, so a result
  // read from an earlier one can be recognised after it went away.
  std::uint64_t adapter_tag() const { return adapter_tag_; }

 private:
  void RequestRead();

  DeviceContext& context_;
  PresenceHost& host_;
  PresenceState state_ = PresenceState::kAbsent;
  std::string path_;  // the UI thread's copy of the context's device path
  std::uint64_t adapter_tag_ = 0;
  int failed_queries_ = 0;
};

bool IsAdapter(const DeviceEvent& event);

}  // namespace torvane::device
