#include <algorithm>

#include "toolkit/CContainerUI.h"

namespace torvane::toolkit {

namespace {

// Reads rectangles, sizes and margins along the line (main) and across it (cross), so one flow serves both
// orientations.
struct Axis {
  bool horizontal;

  int Main(const QSize& s) const { return horizontal ? s.width() : s.height(); }
  int Cross(const QSize& s) const { return horizontal ? s.height() : s.width(); }
  int Main(const QPoint& p) const { return horizontal ? p.x() : p.y(); }
  int Cross(const QPoint& p) const { return horizontal ? p.y() : p.x(); }
  int MainBefore(const QMargins& m) const { return horizontal ? m.left() : m.top(); }
  int MainAfter(const QMargins& m) const { return horizontal ? m.right() : m.bottom(); }
  int CrossBefore(const QMargins& m) const { return horizontal ? m.top() : m.left(); }
  int CrossAfter(const QMargins& m) const { return horizontal ? m.bottom() : m.right(); }
  int FixedMain(const CControlUI* c) const { return horizontal ? c->GetFixedWidth() : c->GetFixedHeight(); }
  QSize Make(int main, int cross) const { return horizontal ? QSize(main, cross) : QSize(cross, main); }
  Qt::Alignment MainNear() const { return horizontal ? Qt::AlignLeft : Qt::AlignTop; }
  Qt::Alignment MainCenter() const { return horizontal ? Qt::AlignHCenter : Qt::AlignVCenter; }
  Qt::Alignment CrossNear() const { return horizontal ? Qt::AlignTop : Qt::AlignLeft; }
  Qt::Alignment CrossCenter() const { return horizontal ? Qt::AlignVCenter : Qt::AlignHCenter; }
};

}  // namespace

int CContainerUI::LayoutInLine(const QRect& area, int offset, bool apply, Qt::Orientation orientation) {
  const std::vector<CControlUI*> flow = FlowItems();
  if (flow.empty()) return 0;
  const Axis axis{orientation == Qt::Horizontal};
  const int line = axis.Main(area.size());
  const int across = axis.Cross(area.size());
  const int gaps = GetChildPadding() * static_cast<int>(flow.size() - 1);

  int fixed = gaps;
  int autos = 0;
  for (const CControlUI* child : flow) {
    const QMargins p = child->GetPadding();
    fixed += axis.MainBefore(p) + axis.MainAfter(p);
    if (axis.FixedMain(child) > 0) {
      fixed += axis.FixedMain(child);
    } else {
      ++autos;
    }
  }
  const int share = autos > 0 ? std::max(0, line - fixed) / autos : 0;
  int leftover = autos > 0 ? std::max(0, line - fixed) - share * autos : 0;

  int total = gaps;  // along the line
  int content = 0;   // across it
  std::vector<QSize> sizes;
  sizes.reserve(flow.size());
  for (const CControlUI* child : flow) {
    const QMargins p = child->GetPadding();
    int slot = share;
    if (axis.FixedMain(child) == 0 && leftover > 0) {
      ++slot;
      --leftover;
    }
    const QSize slot_size = axis.Make(slot, across - axis.CrossBefore(p) - axis.CrossAfter(p));
    const QSize size = ChildSize(child, slot_size.width(), slot_size.height());
    sizes.push_back(size);
    total += axis.Main(size) + axis.MainBefore(p) + axis.MainAfter(p);
    content = std::max(content, axis.Cross(size) + axis.CrossBefore(p) + axis.CrossAfter(p));
  }
  // The scroll offset and the height asked for are vertical whichever way the line runs.
  const int needed = axis.horizontal ? content : total;
  if (!apply) return needed;

  const Qt::Alignment align = GetChildAlignment();
  const QPoint origin = area.topLeft() - QPoint(0, offset);
  int pos = axis.Main(origin) + AlignOffset(line - total, align, axis.MainNear(), axis.MainCenter());
  for (std::size_t i = 0; i < flow.size(); ++i) {
    const QMargins p = flow[i]->GetPadding();
    const int free = across - axis.CrossBefore(p) - axis.CrossAfter(p) - axis.Cross(sizes[i]);
    const int cross =
        axis.Cross(origin) + axis.CrossBefore(p) + AlignOffset(free, align, axis.CrossNear(), axis.CrossCenter());
    pos += axis.MainBefore(p);
    const QSize at = axis.Make(pos, cross);
    flow[i]->setGeometry(at.width(), at.height(), sizes[i].width(), sizes[i].height());
    pos += axis.Main(sizes[i]) + axis.MainAfter(p) + GetChildPadding();
  }
  return needed;
}

}  // namespace torvane::toolkit
