#pragma once

#include <QPair>
#include <QString>
#include <QVector>

#include <vector>

namespace torvane::toolkit {

// One element of a parsed layout, kept so that an item template is read once and built many times.
struct LayoutNode {
  QString tag;
  QVector<QPair<QString, QString>> attributes;
  std::vector<LayoutNode> children;
  qint64 line = 0;

  QString Attribute(QStringView name) const;
};

}  // namespace torvane::toolkit
