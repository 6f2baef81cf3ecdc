#pragma once

#include "toolkit/TNotifyUI.h"

namespace torvane::toolkit {

// Receiver of control notifications (a window).
class INotifyUI {
 public:
  virtual ~INotifyUI() = default;
  virtual void Notify(TNotifyUI& msg) = 0;
};

}  // namespace torvane::toolkit
