#include "toolkit/CTileLayoutUI.h"

#include "toolkit/AttributeValues.h"

#include <algorithm>

namespace torvane::toolkit {

QString CTileLayoutUI::GetClass() const {
  return QStringLiteral("TileLayoutUI");
}

void CTileLayoutUI::SetColumns(int columns) {
  columns_ = std::max(0, columns);
  NeedUpdate();
}

void CTileLayoutUI::SetItemSize(const QSize& size) {
  item_size_ = size.expandedTo(QSize(0, 0));
  NeedUpdate();
}

void CTileLayoutUI::SetAttribute(const QString& name, const QString& value) {
  if (NameIs(name, u"columns")) {
    if (const auto v = ParseInt(value)) SetColumns(*v);
  } else if (NameIs(name, u"itemsize")) {
    if (const auto v = ParseSize(value)) SetItemSize(*v);
  } else {
    CContainerUI::SetAttribute(name, value);
  }
}

int CTileLayoutUI::ColumnsFor(int width) const {
  if (columns_ > 0) return columns_;
  if (item_size_.width() > 0) {
    return std::max(1, (width + GetChildPadding()) / (item_size_.width() + GetChildPadding()));
  }
  return 1;
}

int CTileLayoutUI::LayoutItems(const QRect& area, int offset, bool apply) {
  const std::vector<CControlUI*> flow = FlowItems();
  if (flow.empty()) return 0;
  const int columns = ColumnsFor(area.width());
  const int gap = GetChildPadding();
  const int cell_width = item_size_.width() > 0 && columns_ == 0
                             ? item_size_.width()
                             : std::max(0, (area.width() - gap * (columns - 1)) / columns);

  int y = 0;
  for (std::size_t row_start = 0; row_start < flow.size(); row_start += static_cast<std::size_t>(columns)) {
    const std::size_t row_end = std::min(flow.size(), row_start + static_cast<std::size_t>(columns));
    int row_height = 0;
    for (std::size_t i = row_start; i < row_end; ++i) {
      const QMargins p = flow[i]->GetPadding();
      const int h = flow[i]->GetFixedHeight() > 0 ? flow[i]->GetFixedHeight()
                    : item_size_.height() > 0     ? item_size_.height()
                                                  : cell_width;
      row_height = std::max(row_height, h + p.top() + p.bottom());
    }
    if (apply) {
      for (std::size_t i = row_start; i < row_end; ++i) {
        const QMargins p = flow[i]->GetPadding();
        const int column = static_cast<int>(i - row_start);
        const QSize size = ChildSize(flow[i], cell_width - p.left() - p.right(), row_height - p.top() - p.bottom());
        const int free = cell_width - p.left() - p.right() - size.width();
        const int x = area.left() + column * (cell_width + gap) + p.left() +
                      AlignOffset(free, GetChildAlignment(), Qt::AlignLeft, Qt::AlignHCenter);
        flow[i]->setGeometry(x, area.top() + y - offset + p.top(), size.width(), size.height());
      }
    }
    y += row_height + (row_end < flow.size() ? gap : 0);
  }
  return y;
}

}  // namespace torvane::toolkit
