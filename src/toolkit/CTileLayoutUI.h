#pragma once

#include "toolkit/CContainerUI.h"

namespace torvane::toolkit {

// Children in a grid of "columns" equal columns, row after row, "childpadding" apart both ways. A row is as high
// as its tallest fixed-height child (a column's width when none is fixed). Without "columns", "itemsize" gives
// the cell width and the columns follow from the container's width.
class CTileLayoutUI : public CContainerUI {
 public:
  using CContainerUI::CContainerUI;
  QString GetClass() const override;

  int GetColumns() const { return columns_; }
  void SetColumns(int columns);
  QSize GetItemSize() const { return item_size_; }
  void SetItemSize(const QSize& size);
  void SetAttribute(const QString& name, const QString& value) override;

  // Columns in use for an area of the given width.
  int ColumnsFor(int width) const;

 protected:
  int LayoutItems(const QRect& area, int offset, bool apply) override;

 private:
  int columns_ = 0;
  QSize item_size_;
};

}  // namespace torvane::toolkit
