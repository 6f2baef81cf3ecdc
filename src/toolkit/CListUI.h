#pragma once

#include "toolkit/CListOwnerUI.h"
#include "toolkit/CVerticalLayoutUI.h"

namespace torvane::toolkit {

// A vertical list of items (CListContainerElementUI, usually built from an item template) with one selected item.
class CListUI : public CListOwnerUI<CVerticalLayoutUI> {
 public:
  explicit CListUI(QWidget* parent = nullptr);
  QString GetClass() const override;
};

}  // namespace torvane::toolkit
