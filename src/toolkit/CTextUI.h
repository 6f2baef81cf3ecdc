#pragma once

#include "toolkit/CLabelUI.h"

namespace torvane::toolkit {

// A label for running text: wraps at word boundaries and starts at the top left.
class CTextUI : public CLabelUI {
 public:
  explicit CTextUI(QWidget* parent = nullptr);
  QString GetClass() const override;
};

}  // namespace torvane::toolkit
