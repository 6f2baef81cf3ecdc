#pragma once

#include <QRect>
#include <QRegularExpression>
#include <QString>

#include "toolkit/CControlUI.h"

namespace torvane::testing {

// Whether a key button shows the class image `file` in a box that is not empty and lies inside the button.
inline bool ShowsKeyImage(const toolkit::CControlUI& button, const char* file) {
  static const QRegularExpression kImage(QStringLiteral("file='([^']*)' dest='(\\d+),(\\d+),(\\d+),(\\d+)'"));
  const QRegularExpressionMatch m = kImage.match(button.GetBkImage());
  if (!m.hasMatch() || m.captured(1) != QLatin1String(file)) return false;
  const QRect box(QPoint(m.captured(2).toInt(), m.captured(3).toInt()),
                  QPoint(m.captured(4).toInt() - 1, m.captured(5).toInt() - 1));
  return !box.isEmpty() && button.rect().contains(box);
}

}  // namespace torvane::testing
