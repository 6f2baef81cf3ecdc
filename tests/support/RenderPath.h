#pragma once

#include <QDir>
#include <QString>

#include <gtest/gtest.h>

namespace torvane::testing {

// Where a test may write a rendering for people to look at; empty when the build names no folder.
inline QString RenderPath(const QString& file_name) {
  const QString folder = qEnvironmentVariable("TORVANE_RENDER_DIR");
  if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
  return QDir(folder).filePath(file_name);
}

// Saves a picture (a QImage or QPixmap) there under `file_name`, when the build names a folder.
template <typename Picture>
void SaveRenderingAs(const Picture& picture, const QString& file_name) {
  if (const QString path = RenderPath(file_name); !path.isEmpty()) {
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
  }
}

}  // namespace torvane::testing
