#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace torvane::model {

// USB report rate chooser; `report_interval` counts quarter milliseconds.
inline constexpr std::array<std::string_view, 4> kReportRateNames{"125HZ", "250HZ", "500HZ", "1000HZ"};
inline constexpr std::array<std::uint8_t, 4> kReportIntervals{32, 16, 8, 4};
inline constexpr std::uint8_t kDefaultReportInterval = 32;

// Chooser entry for a stored interval, judged by interval / 4 (so the low two
// bits are ignored); nothing for an interval that is none of the four.
std::optional<int> ReportIntervalToChoice(std::uint8_t interval);
// The interval a chooser entry writes; nothing for an entry outside 0..3.
std::optional<std::uint8_t> ChoiceToReportInterval(int choice);
// The stored byte after choosing `choice`: bits 2-7 give the interval, bits
// 0-1 are kept; unchanged for an entry outside 0..3.
std::uint8_t ApplyReportIntervalChoice(std::uint8_t current, int choice);

}  // namespace torvane::model
