#include "toolkit/CHorizontalLayoutUI.h"

#include <algorithm>

namespace torvane::toolkit {

QString CHorizontalLayoutUI::GetClass() const {
  return QStringLiteral("HorizontalLayoutUI");
}

int CHorizontalLayoutUI::LayoutItems(const QRect& area, int offset, bool apply) {
  const std::vector<CControlUI*> flow = FlowItems();
  if (flow.empty()) return 0;
  int fixed = GetChildPadding() * static_cast<int>(flow.size() - 1);
  int autos = 0;
  for (const CControlUI* child : flow) {
    const QMargins p = child->GetPadding();
    fixed += p.left() + p.right();
    if (child->GetFixedWidth() > 0) {
      fixed += child->GetFixedWidth();
    } else {
      ++autos;
    }
  }
  const int share = autos > 0 ? std::max(0, area.width() - fixed) / autos : 0;
  int leftover = autos > 0 ? std::max(0, area.width() - fixed) - share * autos : 0;

  int total_width = 0;
  int content = 0;
  std::vector<QSize> sizes;
  sizes.reserve(flow.size());
  for (const CControlUI* child : flow) {
    const QMargins p = child->GetPadding();
    int slot = share;
    if (child->GetFixedWidth() == 0 && leftover > 0) {
      ++slot;
      --leftover;
    }
    const QSize size = ChildSize(child, slot, area.height() - p.top() - p.bottom());
    sizes.push_back(size);
    total_width += size.width() + p.left() + p.right();
    content = std::max(content, size.height() + p.top() + p.bottom());
  }
  total_width += GetChildPadding() * static_cast<int>(flow.size() - 1);
  if (!apply) return content;

  int x = area.left() + AlignOffset(area.width() - total_width, GetChildAlignment(), Qt::AlignLeft, Qt::AlignHCenter);
  for (std::size_t i = 0; i < flow.size(); ++i) {
    const QMargins p = flow[i]->GetPadding();
    const int free = area.height() - p.top() - p.bottom() - sizes[i].height();
    const int y =
        area.top() - offset + p.top() + AlignOffset(free, GetChildAlignment(), Qt::AlignTop, Qt::AlignVCenter);
    x += p.left();
    flow[i]->setGeometry(x, y, sizes[i].width(), sizes[i].height());
    x += sizes[i].width() + p.right() + GetChildPadding();
  }
  return content;
}

}  // namespace torvane::toolkit
