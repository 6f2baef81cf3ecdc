#pragma once

#include <QString>

#include <functional>

#include "platform/ProcessFigures.h"

class QWidget;

namespace torvane::app {

// The start-up bench's line: "startup_ms=<n> rss_kib=<n>", with "?" for a figure that could not be read.
QString FormatStartupFigures(const platform::ProcessFigures& figures);

// Runs `then` on the event loop turn after `window`'s first paint, once what it painted has reached the screen.
void AfterFirstPaint(QWidget& window, std::function<void()> then);

}  // namespace torvane::app
