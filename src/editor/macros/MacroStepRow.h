#pragma once

#include <QString>

#include <array>
#include <optional>

#include "model/MacroRecord.h"

class QAbstractItemModel;

namespace torvane::toolkit {
class CComboUI;
class CControlUI;
class CEditUI;
}  // namespace torvane::toolkit

namespace torvane::editor {

// The controls of one step row of the macro editor ("macro_listitem.xml"): "item_index", "button0_combo" to
// "button4_combo", "hold_time_edit" and the row's tool buttons. A view over the row; it owns nothing.
class MacroStepRow {
 public:
  // The row holding `control` (the row itself or any control in it); nullopt for a control outside a step row.
  static std::optional<MacroStepRow> Of(toolkit::CControlUI* control);
  explicit MacroStepRow(toolkit::CControlUI* row);

  toolkit::CControlUI* Row() const { return row_; }
  toolkit::CEditUI* HoldEdit() const { return hold_; }

  // Gives the choosers the console's button names (shared with every other row).
  void UseButtonNames(QAbstractItemModel* names);
  // Shows `step` as the choosers of `host` show its stored buttons.
  void Show(const model::MacroStep& step, int host);
  // The step the row holds now; a hold time that is no number counts as 0.
  model::MacroStep Read(int host) const;
  // Exchanges the buttons and hold times (as typed) of two rows.
  void SwapWith(MacroStepRow& other);
  // The row's number from 1, on the row and in the names its controls are announced by.
  void SetNumber(int number);
  // Names each chooser by the step, its place and the button it holds ("Step 3 Button1: Cross"), after a choice.
  void NameButtons();
  // The controls a Tab visits, in reading order.
  std::array<toolkit::CControlUI*, 10> TabStops() const;

 private:
  toolkit::CControlUI* row_;
  toolkit::CControlUI* index_ = nullptr;
  std::array<toolkit::CComboUI*, model::kStepButtons> buttons_{};
  toolkit::CEditUI* hold_ = nullptr;
  std::array<toolkit::CControlUI*, 4> tools_{};  // up, down, add, delete
};

}  // namespace torvane::editor
