#include "dialogs/WindowResultTarget.h"

namespace torvane::dialogs {

void WindowResultTarget::Deliver(int message, std::uint32_t wparam) {
  if (message < 0) return;
  toolkit::PostMessage(window_, static_cast<unsigned>(message), wparam, 0);
}

}  // namespace torvane::dialogs
