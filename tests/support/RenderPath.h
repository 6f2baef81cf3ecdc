#pragma once

#include <QDir>
#include <QString>

namespace torvane::testing {

// Where a test may write a rendering for people to look at; empty when the build names no folder.
inline QString RenderPath(const QString& file_name) {
  const QString folder = qEnvironmentVariable("TORVANE_RENDER_DIR");
  if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
  return QDir(folder).filePath(file_name);
}

}  // namespace torvane::testing
