#pragma once

#include "toolkit/CContainerUI.h"

namespace torvane::toolkit {

// Children one below the other, "childpadding" apart. A child with a fixed height keeps it; the others share the
// remaining height equally. Each child is as wide as the area unless its width is fixed ("childalign" places it).
class CVerticalLayoutUI : public CContainerUI {
 public:
  using CContainerUI::CContainerUI;
  QString GetClass() const override;

 protected:
  int LayoutItems(const QRect& area, int offset, bool apply) override;
};

}  // namespace torvane::toolkit
