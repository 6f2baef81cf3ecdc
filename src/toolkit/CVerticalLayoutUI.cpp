#include "toolkit/CVerticalLayoutUI.h"

namespace torvane::toolkit {

QString CVerticalLayoutUI::GetClass() const {
  return QStringLiteral("VerticalLayoutUI");
}

int CVerticalLayoutUI::LayoutItems(const QRect& area, int offset, bool apply) {
  return LayoutInLine(area, offset, apply, Qt::Vertical);
}

}  // namespace torvane::toolkit
