#pragma once

namespace torvane::toolkit {

struct TListInfoUI;

// A control that owns list items: it keeps the selection and tells the items how to draw themselves.
class IListOwnerUI {
 public:
  virtual ~IListOwnerUI() = default;
  virtual const TListInfoUI& GetListInfo() const = 0;
  virtual int GetCurSel() const = 0;
  virtual bool SelectItem(int index, bool take_focus = false) = 0;
  // An item was double-clicked or activated from the keyboard.
  virtual void ActivateItem(int index) = 0;
};

}  // namespace torvane::toolkit
