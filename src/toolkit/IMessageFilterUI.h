#pragma once

class QKeyEvent;

namespace torvane::toolkit {

// Sees a window's key presses before any control or the toolkit's default keys (Escape closes a dialog).
class IMessageFilterUI {
 public:
  virtual ~IMessageFilterUI() = default;
  // True swallows the key.
  virtual bool MessageFilter(QKeyEvent* event) = 0;
};

}  // namespace torvane::toolkit
