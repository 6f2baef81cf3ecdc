#pragma once

#include "toolkit/CControlUI.h"

class QComboBox;

namespace torvane::toolkit {

// A drop-down list of texts. Items come from <ListLabelElement text=".." selected="true"/> children in the layout
// or from AddItem. Choosing an item sends "itemselect" (wparam the new index, lparam the old one); selecting by
// program sends nothing unless asked, so filling a form never runs the form's reactions.
class CComboUI : public CControlUI {
 public:
  explicit CComboUI(QWidget* parent = nullptr);
  QString GetClass() const override;

  int GetCount() const;
  int GetCurSel() const;
  QString GetItemText(int index) const;
  // Appends (or inserts at `index`); false for an index out of range.
  bool AddItem(const QString& text);
  bool AddItemAt(const QString& text, int index);
  bool RemoveAt(int index);
  void RemoveAll();
  // Selects item `index` (-1 clears the selection); false when there is no such item.
  bool SelectItem(int index, bool take_focus = false, bool trigger_event = false);

  QComboBox* GetComboBox() const { return combo_; }
  bool AddChildControl(CControlUI* child) override;
  void SetAttribute(const QString& name, const QString& value) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void UpdateStyle();

  QComboBox* combo_;
  QString padding_sheet_;
  int last_sel_ = -1;
};

}  // namespace torvane::toolkit
