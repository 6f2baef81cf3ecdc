#pragma once

#include <QString>

#include "platform/ProcessFigures.h"

namespace torvane::app {

// The start-up bench's line: "startup_ms=<n> rss_kib=<n>", with "?" for a figure that could not be read.
QString FormatStartupFigures(const platform::ProcessFigures& figures);

}  // namespace torvane::app
