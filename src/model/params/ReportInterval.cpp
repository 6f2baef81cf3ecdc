#include "model/params/ReportInterval.h"

namespace torvane::model {

namespace {

constexpr std::uint8_t kKeptBits = 0x03;

}  // namespace

std::optional<int> ReportIntervalToChoice(std::uint8_t interval) {
  switch (interval / 4) {
    case 8:
      return 0;
    case 4:
      return 1;
    case 2:
      return 2;
    case 1:
      return 3;
    default:
      return std::nullopt;
  }
}

std::optional<std::uint8_t> ChoiceToReportInterval(int choice) {
  if (choice < 0 || choice >= static_cast<int>(kReportIntervals.size())) return std::nullopt;
  return kReportIntervals[static_cast<std::size_t>(choice)];
}

std::uint8_t ApplyReportIntervalChoice(std::uint8_t current, int choice) {
  const std::optional<std::uint8_t> interval = ChoiceToReportInterval(choice);
  if (!interval) return current;
  return static_cast<std::uint8_t>((current & kKeptBits) | *interval);
}

}  // namespace torvane::model
