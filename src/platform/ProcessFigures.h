#pragma once

#include <optional>

namespace torvane::platform {

// How long this process has run and how much memory it holds, as the system accounts for them.
struct ProcessFigures {
  std::optional<double> since_start_ms;  // from the system's record of the process start
  std::optional<long> rss_kib;           // resident memory

  // The figures now; one the system does not give stays empty.
  static ProcessFigures Measure();
};

}  // namespace torvane::platform
