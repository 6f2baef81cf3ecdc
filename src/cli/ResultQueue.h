#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

#include "device/ResultTarget.h"

namespace torvane::cli {

// The worker's results in the order they came, for the main thread to wait on.
class ResultQueue final : public device::ResultTarget {
 public:
  struct Result {
    int message = 0;
    std::uint32_t wparam = 0;
    device::ResultPayload payload;
  };

  void Deliver(int message, std::uint32_t wparam, device::ResultPayload payload) override;
  // Blocks until a result is there and takes it.
  Result Next();

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<Result> results_;
};

}  // namespace torvane::cli
