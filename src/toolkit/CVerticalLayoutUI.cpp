#include "toolkit/CVerticalLayoutUI.h"

#include <algorithm>

namespace torvane::toolkit {

QString CVerticalLayoutUI::GetClass() const {
  return QStringLiteral("VerticalLayoutUI");
}

int CVerticalLayoutUI::LayoutItems(const QRect& area, int offset, bool apply) {
  const std::vector<CControlUI*> flow = FlowItems();
  if (flow.empty()) return 0;
  int fixed = GetChildPadding() * static_cast<int>(flow.size() - 1);
  int autos = 0;
  for (const CControlUI* child : flow) {
    const QMargins p = child->GetPadding();
    fixed += p.top() + p.bottom();
    if (child->GetFixedHeight() > 0) {
      fixed += child->GetFixedHeight();
    } else {
      ++autos;
    }
  }
  const int share = autos > 0 ? std::max(0, area.height() - fixed) / autos : 0;
  int leftover = autos > 0 ? std::max(0, area.height() - fixed) - share * autos : 0;

  int total = 0;
  std::vector<QSize> sizes;
  sizes.reserve(flow.size());
  for (const CControlUI* child : flow) {
    const QMargins p = child->GetPadding();
    int slot = share;
    if (child->GetFixedHeight() == 0 && leftover > 0) {
      ++slot;
      --leftover;
    }
    const QSize size = ChildSize(child, area.width() - p.left() - p.right(), slot);
    sizes.push_back(size);
    total += size.height() + p.top() + p.bottom();
  }
  total += GetChildPadding() * static_cast<int>(flow.size() - 1);
  if (!apply) return total;

  int y = area.top() - offset + AlignOffset(area.height() - total, GetChildAlignment(), Qt::AlignTop, Qt::AlignVCenter);
  for (std::size_t i = 0; i < flow.size(); ++i) {
    const QMargins p = flow[i]->GetPadding();
    const int free = area.width() - p.left() - p.right() - sizes[i].width();
    const int x = area.left() + p.left() + AlignOffset(free, GetChildAlignment(), Qt::AlignLeft, Qt::AlignHCenter);
    y += p.top();
    flow[i]->setGeometry(x, y, sizes[i].width(), sizes[i].height());
    y += sizes[i].height() + p.bottom() + GetChildPadding();
  }
  return total;
}

}  // namespace torvane::toolkit
