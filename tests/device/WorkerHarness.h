#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "emulator/VirtualAdapter.h"
#include "model/FlashImage.h"
#include "support/WorkerProbes.h"

namespace torvane::device::testing {

using torvane::testing::Collector;
using torvane::testing::OpenState;
using torvane::testing::TrackingTransport;

inline constexpr std::uint32_t kFirmwareLength = 166680;

// Flash contents of a healthy adapter with current firmware and formats and a
// little user data, loaded into `adapter`; returns the firmware it carries.
std::vector<std::uint8_t> LoadHealthyAdapter(emulator::VirtualAdapter& adapter, const model::DefaultImages& defaults);

}  // namespace torvane::device::testing
