#pragma once

#include <istream>
#include <optional>
#include <string_view>

namespace torvane::platform {

// Readers of the kernel's per-process files, for ProcessFigures on Linux.

// Field 22 of a /proc/<pid>/stat line: the start time in clock ticks after boot. The command name (field 2) may
// hold blanks and parentheses, so counting starts after its last closing parenthesis.
std::optional<double> StartTicksFromStat(std::string_view line);

// The VmRSS line of a /proc/<pid>/status file, in KiB.
std::optional<long> ResidentKibFromStatus(std::istream& status);

}  // namespace torvane::platform
