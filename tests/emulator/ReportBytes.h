#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "device/ProtocolCodes.h"
#include "device/ReportFields.h"

namespace torvane::emulator::reports {

// A request report: id 0, command, address, length, then the data bytes.
inline device::Report Request(std::uint32_t command, std::uint32_t address, std::uint32_t length,
                              std::span<const std::uint8_t> data = {}) {
  device::ReportFields report{.command = command, .address = address, .length = length};
  std::copy_n(data.begin(), std::min(data.size(), report.data.size()), report.data.begin());
  return report.bytes();
}

inline device::Report Request(std::uint32_t command, std::uint32_t address, std::uint32_t length,
                              std::initializer_list<std::uint8_t> data) {
  return Request(command, address, length, std::span<const std::uint8_t>(data.begin(), data.size()));
}

inline std::uint32_t Code(const device::Report& r) {
  return device::ReportFields::Of(r).command;
}
inline std::uint32_t Address(const device::Report& r) {
  return device::ReportFields::Of(r).address;
}
inline std::uint32_t Length(const device::Report& r) {
  return device::ReportFields::Of(r).length;
}
inline std::vector<std::uint8_t> Data(const device::Report& r, std::size_t n) {
  const auto data = device::ReportFields::Of(r).data;
  return {data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n)};
}

}  // namespace torvane::emulator::reports
