#pragma once

#include "toolkit/CLabelUI.h"

namespace torvane::toolkit {

// A text item as layouts write it inside a <Combo> (or a list): "text" and "selected".
class CListLabelElementUI : public CLabelUI {
 public:
  using CLabelUI::CLabelUI;
  QString GetClass() const override;
  bool IsSelected() const { return selected_; }
  void SetAttribute(const QString& name, const QString& value) override;

 private:
  bool selected_ = false;
};

}  // namespace torvane::toolkit
