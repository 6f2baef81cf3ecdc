#include "cli/ResultQueue.h"

#include <utility>

namespace torvane::cli {

void ResultQueue::Deliver(int message, std::uint32_t wparam, device::ResultPayload payload) {
  {
    std::lock_guard lock(mutex_);
    results_.push_back({message, wparam, std::move(payload)});
  }
  arrived_.notify_one();
}

ResultQueue::Result ResultQueue::Next() {
  std::unique_lock lock(mutex_);
  arrived_.wait(lock, [this] { return !results_.empty(); });
  Result result = std::move(results_.front());
  results_.pop_front();
  return result;
}

}  // namespace torvane::cli
