#pragma once

#include "toolkit/CContainerUI.h"

namespace torvane::toolkit {

// Children side by side, "childpadding" apart. A child with a fixed width keeps it; the others share the
// remaining width equally. Each child is as high as the area unless its height is fixed ("childvalign" places it).
class CHorizontalLayoutUI : public CContainerUI {
 public:
  using CContainerUI::CContainerUI;
  QString GetClass() const override;

 protected:
  int LayoutItems(const QRect& area, int offset, bool apply) override;
};

}  // namespace torvane::toolkit
