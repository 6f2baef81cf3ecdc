#include "app/StartupProbe.h"

#include <unistd.h>

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

namespace torvane::app {

namespace {

// Field 22 of /proc/self/stat: the start time in clock ticks after boot. The command name (field 2) may hold
// blanks and parentheses, so counting starts after its closing parenthesis.
std::optional<double> StartTicks() {
  std::ifstream stat("/proc/self/stat");
  std::string line;
  if (!std::getline(stat, line)) return std::nullopt;
  const auto close = line.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::istringstream fields(line.substr(close + 1));
  std::string field;
  for (int index = 3; index <= 22; ++index) {
    if (!(fields >> field)) return std::nullopt;
  }
  try {
    return std::stod(field);
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<long> ResidentKib() {
  std::ifstream status("/proc/self/status");
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

}  // namespace

StartupFigures MeasureStartup() {
  StartupFigures figures;
  timespec now{};
  const long ticks_per_second = ::sysconf(_SC_CLK_TCK);
  if (const auto start = StartTicks(); start && ticks_per_second > 0 && ::clock_gettime(CLOCK_BOOTTIME, &now) == 0) {
    const double now_ms = static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
    figures.since_start_ms = now_ms - *start * 1000.0 / static_cast<double>(ticks_per_second);
  }
  figures.rss_kib = ResidentKib();
  return figures;
}

QString FormatStartupFigures(const StartupFigures& figures) {
  const QString ms = figures.since_start_ms ? QString::number(*figures.since_start_ms, 'f', 1) : QStringLiteral("?");
  const QString rss = figures.rss_kib ? QString::number(*figures.rss_kib) : QStringLiteral("?");
  return QStringLiteral("startup_ms=%1 rss_kib=%2").arg(ms, rss);
}

}  // namespace torvane::app
