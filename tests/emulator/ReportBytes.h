#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "device/ProtocolCodes.h"
#include "device/Transport.h"
#include "model/LittleEndian.h"

namespace torvane::emulator::reports {

// A request report: id 0, command, address, length, then the data bytes.
inline device::Report Request(std::uint32_t command, std::uint32_t address, std::uint32_t length,
                              std::span<const std::uint8_t> data = {}) {
  device::Report report{};
  model::WriteU32(report.data() + device::kOffsetCommand, command);
  model::WriteU32(report.data() + device::kOffsetAddress, address);
  model::WriteU32(report.data() + device::kOffsetLength, length);
  for (std::size_t i = 0; i < data.size() && device::kOffsetData + i < report.size(); ++i) {
    report[device::kOffsetData + i] = data[i];
  }
  return report;
}

inline device::Report Request(std::uint32_t command, std::uint32_t address, std::uint32_t length,
                              std::initializer_list<std::uint8_t> data) {
  return Request(command, address, length, std::span<const std::uint8_t>(data.begin(), data.size()));
}

inline std::uint32_t Code(const device::Report& r) {
  return model::ReadU32(r.data() + device::kOffsetCommand);
}
inline std::uint32_t Address(const device::Report& r) {
  return model::ReadU32(r.data() + device::kOffsetAddress);
}
inline std::uint32_t Length(const device::Report& r) {
  return model::ReadU32(r.data() + device::kOffsetLength);
}
inline std::vector<std::uint8_t> Data(const device::Report& r, std::size_t n) {
  return {r.begin() + device::kOffsetData, r.begin() + static_cast<std::ptrdiff_t>(device::kOffsetData + n)};
}

}  // namespace torvane::emulator::reports
