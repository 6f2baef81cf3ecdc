#pragma once

#include <QString>

namespace torvane::toolkit {

class CControlUI;

// Lets a window create its own control classes for layout element names; asked before the toolkit's own
// controls, so nullptr means "use the toolkit's control of that name".
class IDialogBuilderCallback {
 public:
  virtual ~IDialogBuilderCallback() = default;
  virtual CControlUI* CreateControl(const QString& element_name) = 0;
};

}  // namespace torvane::toolkit
