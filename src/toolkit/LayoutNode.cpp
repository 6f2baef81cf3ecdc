#include "toolkit/LayoutNode.h"

#include "toolkit/AttributeValues.h"

namespace torvane::toolkit {

QString LayoutNode::Attribute(QStringView name) const {
  for (const auto& [key, value] : attributes) {
    if (NameIs(key, name)) return value;
  }
  return {};
}

}  // namespace torvane::toolkit
