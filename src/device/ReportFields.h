#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "device/Transport.h"
#include "model/LittleEndian.h"

namespace torvane::device {

// One report, request or answer, as its fields. Transports move the raw
// bytes; the protocol and the virtual adapter convert once at their edge
// instead of reading fields at byte offsets. Every field starts at zero, so
// a designated initializer names only the fields a command uses.
struct ReportFields {
  std::uint8_t report_id = 0;           // always 0
  model::U32le command{};               // command or answer code
  model::U32le address{};               // flash address; 0 for the commands without one
  model::U32le length{};                // data bytes in use, or the erase's sector count
  std::array<std::uint8_t, 52> data{};  // one chunk, the sector numbers or the status bytes

  static constexpr ReportFields Of(const Report& report) { return std::bit_cast<ReportFields>(report); }
  constexpr Report bytes() const { return std::bit_cast<Report>(*this); }
};

static_assert(std::is_trivially_copyable_v<ReportFields>);
static_assert(std::is_standard_layout_v<ReportFields>);
static_assert(sizeof(ReportFields) == kReportSize);
static_assert(alignof(ReportFields) == 1);
static_assert(offsetof(ReportFields, report_id) == 0);
static_assert(offsetof(ReportFields, command) == 1);
static_assert(offsetof(ReportFields, address) == 5);
static_assert(offsetof(ReportFields, length) == 9);
static_assert(offsetof(ReportFields, data) == 13);

}  // namespace torvane::device
