#pragma once

#include <QString>

#include <optional>

namespace torvane::app {

// Start-up figures of this process, for the start-up bench.
struct StartupFigures {
  std::optional<double> since_start_ms;  // from the kernel's record of the process start
  std::optional<long> rss_kib;           // VmRSS
};

StartupFigures MeasureStartup();
// "startup_ms=<n> rss_kib=<n>", with "?" for a figure that could not be read.
QString FormatStartupFigures(const StartupFigures& figures);

}  // namespace torvane::app
