#pragma once

#include "toolkit/CContainerUI.h"

namespace torvane::toolkit {

// Pages on top of each other, one shown at a time ("selectedid" in the layout, SelectItem at run time).
class CTabLayoutUI : public CContainerUI {
 public:
  using CContainerUI::CContainerUI;
  QString GetClass() const override;

  int GetCurSel() const { return cur_sel_; }
  // The page the layout shows first ("selectedid").
  int GetInitialSelection() const { return initial_sel_; }
  // Shows page `index` (built now if it waited for its first use) and hides the others; false (and no change) for an
  // index without a page.
  bool SelectItem(int index);
  bool SelectItem(CControlUI* page);

  bool Add(CControlUI* control) override;
  bool AddAt(CControlUI* control, int index) override;
  bool RemoveAt(int index) override;
  void RemoveAll() override;
  void SetAttribute(const QString& name, const QString& value) override;

 private:
  void ShowOnly(int index);
  int cur_sel_ = -1;
  int initial_sel_ = 0;
};

}  // namespace torvane::toolkit
