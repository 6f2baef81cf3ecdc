#include "toolkit/CHorizontalLayoutUI.h"

namespace torvane::toolkit {

QString CHorizontalLayoutUI::GetClass() const {
  return QStringLiteral("HorizontalLayoutUI");
}

int CHorizontalLayoutUI::LayoutItems(const QRect& area, int offset, bool apply) {
  return LayoutInLine(area, offset, apply, Qt::Horizontal);
}

}  // namespace torvane::toolkit
