#pragma once

#include <string>

namespace torvane::cli {

// A one-line bar on standard error, redrawn in place; shown only when that is a terminal.
class ProgressBar {
 public:
  explicit ProgressBar(std::string label);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void Show(int percent);
  // Ends the line, so what follows starts on a fresh one.
  void Finish();

 private:
  std::string label_;
  bool shown_;
  bool drawn_ = false;
};

}  // namespace torvane::cli
