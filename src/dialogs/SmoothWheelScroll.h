#pragma once

namespace torvane::dialogs {

// The eased wheel scrolling of the program's list control. A notch sets a scroll amount (`delta`, positive
// upwards) and a number of timer steps; each step moves the content by a share of the amount that shrinks
// quadratically, so a scroll starts fast and settles. A notch while a scroll runs adds to what is still left of
// it, and a notch against the running direction turns it round harder.
class SmoothWheelScroll {
 public:
  static constexpr int kNotch = 8;
  static constexpr int kReverseNotch = 12;
  static constexpr int kMaxDelta = 100;
  static constexpr int kStepsPerRoot = 5;
  // Milliseconds between steps.
  static constexpr int kTickMs = 50;

  // One wheel notch up (towards the start of the content) or down.
  void Wheel(bool up);
  // One timer step at scroll position `pos` of 0..`range`: how far to move the position (added to it), or 0 when
  // the scroll has ended (then the state is cleared and the timer should stop).
  int Tick(int pos, int range);
  void Stop();

  bool IsRunning() const { return steps_ > 0; }
  int Delta() const { return delta_; }
  int Steps() const { return steps_; }
  int StepsLeft() const { return left_; }

 private:
  // What the running scroll would move at its current step.
  int Current() const;

  int delta_ = 0;
  int steps_ = 0;
  int left_ = 0;
};

}  // namespace torvane::dialogs
