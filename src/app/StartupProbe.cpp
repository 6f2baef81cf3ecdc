#include "app/StartupProbe.h"

namespace torvane::app {

QString FormatStartupFigures(const platform::ProcessFigures& figures) {
  const QString ms = figures.since_start_ms ? QString::number(*figures.since_start_ms, 'f', 1) : QStringLiteral("?");
  const QString rss = figures.rss_kib ? QString::number(*figures.rss_kib) : QStringLiteral("?");
  return QStringLiteral("startup_ms=%1 rss_kib=%2").arg(ms, rss);
}

}  // namespace torvane::app
