#include "dialogs/SmoothWheelScroll.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace torvane::dialogs {

int SmoothWheelScroll::Current() const {
  if (steps_ <= 0) return 0;
  const double share = static_cast<double>(left_) / steps_;
  return static_cast<int>(std::trunc(share * share * delta_));
}

void SmoothWheelScroll::Wheel(bool up) {
  const int current = Current();
  if (up) {
    delta_ = current + (delta_ >= 0 ? kNotch : kReverseNotch);
  } else {
    delta_ = current - (delta_ <= 0 ? kNotch : kReverseNotch);
  }
  delta_ = std::clamp(delta_, -kMaxDelta, kMaxDelta);
  steps_ = static_cast<int>(std::trunc(std::sqrt(static_cast<double>(std::abs(delta_))))) * kStepsPerRoot;
  left_ = steps_;
}

int SmoothWheelScroll::Tick(int pos, int range) {
  if (left_ > 0) {
    --left_;
    const int d = Current();
    if ((d > 0 && pos != 0) || (d < 0 && pos != range)) return -d;
  }
  Stop();
  return 0;
}

void SmoothWheelScroll::Stop() {
  delta_ = 0;
  steps_ = 0;
  left_ = 0;
}

}  // namespace torvane::dialogs
