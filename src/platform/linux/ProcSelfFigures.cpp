#include "platform/linux/ProcSelfFigures.h"

#include <sstream>
#include <string>

namespace torvane::platform {

std::optional<double> StartTicksFromStat(std::string_view line) {
  const auto close = line.rfind(')');
  if (close == std::string_view::npos) return std::nullopt;
  std::istringstream fields{std::string(line.substr(close + 1))};
  std::string field;
  for (int index = 3; index <= 22; ++index) {
    if (!(fields >> field)) return std::nullopt;
  }
  try {
    std::size_t used = 0;
    const double ticks = std::stod(field, &used);
    if (used != field.size()) return std::nullopt;
    return ticks;
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<long> ResidentKibFromStatus(std::istream& status) {
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) {
      std::istringstream value(line.substr(6));
      long kib = 0;
      if (value >> kib) return kib;
    }
  }
  return std::nullopt;
}

}  // namespace torvane::platform
