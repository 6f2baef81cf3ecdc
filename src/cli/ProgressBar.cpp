#include "cli/ProgressBar.h"

#include <algorithm>
#include <iostream>

#include "platform/Terminal.h"

namespace torvane::cli {

namespace {
constexpr int kWidth = 40;
}

ProgressBar::ProgressBar(std::string label)
    : label_(std::move(label)), shown_(platform::IsTerminal(platform::StandardStream::kError)) {}

ProgressBar::~ProgressBar() {
  Finish();
}

void ProgressBar::Show(int percent) {
  if (!shown_) return;
  percent = std::clamp(percent, 0, 100);
  const int filled = percent * kWidth / 100;
  std::cerr << '\r' << label_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
            << std::string(static_cast<std::size_t>(kWidth - filled), ' ') << "] " << percent << "%" << std::flush;
  drawn_ = true;
}

void ProgressBar::Finish() {
  if (drawn_) std::cerr << '\n' << std::flush;
  drawn_ = false;
}

}  // namespace torvane::cli
