#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "device/DeviceMessages.h"
#include "device/ResultTarget.h"
#include "device/Transport.h"

namespace torvane::testing {

using device::DeviceFailure;
using device::FailureOf;
using device::MSG_DEVICE_FAILED;
using device::ReadOf;
using device::ReadResult;
using device::Report;
using device::ResultPayload;
using device::ResultTarget;
using device::Transport;

// Collects results as a window would, and lets the test thread wait for them.
class Collector final : public ResultTarget {
 public:
  struct Result {
    int message;
    std::uint32_t wparam;
    friend bool operator==(const Result&, const Result&) = default;
  };

  void Deliver(int message, std::uint32_t wparam, ResultPayload payload) override {
    {
      std::lock_guard lock(mutex_);
      results_.push_back({message, wparam});
      if (auto read = ReadOf(payload)) reads_.push_back(std::move(read));
      if (message == MSG_DEVICE_FAILED) failures_.push_back(FailureOf(payload));
    }
    arrived_.notify_all();
  }

  // The failures reported so far, in order.
  std::vector<DeviceFailure> failures() const {
    std::lock_guard lock(mutex_);
    return failures_;
  }

  // The reads handed over so far, in order; the test thread owns them as a window would.
  std::vector<std::shared_ptr<ReadResult>> reads() const {
    std::lock_guard lock(mutex_);
    return reads_;
  }
  std::shared_ptr<ReadResult> last_read() const {
    std::lock_guard lock(mutex_);
    return reads_.empty() ? nullptr : reads_.back();
  }

  // The wParam of the first result `message` not waited for yet; nothing after `timeout`.
  std::optional<std::uint32_t> WaitFor(int message, std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
    std::unique_lock lock(mutex_);
    std::optional<std::uint32_t> found;
    arrived_.wait_for(lock, timeout, [&] {
      for (std::size_t i = consumed_; i < results_.size(); ++i) {
        if (results_[i].message == message) {
          found = results_[i].wparam;
          consumed_ = i + 1;
          return true;
        }
      }
      return false;
    });
    return found;
  }

  // Waits until `done` holds for the results so far; false after `timeout`.
  template <typename Predicate>
  bool WaitUntil(Predicate done, std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] { return done(results_); });
  }

  std::vector<Result> results() const {
    std::lock_guard lock(mutex_);
    return results_;
  }

 private:
  mutable std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<Result> results_;
  std::vector<std::shared_ptr<ReadResult>> reads_;
  std::vector<DeviceFailure> failures_;
  std::size_t consumed_ = 0;
};

// Whether the worker's transport has the adapter open; outlives the transport.
struct OpenState {
  std::atomic<bool> open{false};
  std::atomic<int> opens{0};
};

// Passes everything to another transport and records in an OpenState whether the adapter is open.
class TrackingTransport final : public Transport {
 public:
  TrackingTransport(std::unique_ptr<Transport> inner, std::shared_ptr<OpenState> state)
      : inner_(std::move(inner)), state_(std::move(state)) {}

  std::vector<std::string> ListAdapters() override { return inner_->ListAdapters(); }
  int Open(const std::string& path) override {
    const int result = inner_->Open(path);
    if (result == 0) {
      state_->open = true;
      ++state_->opens;
    }
    return result;
  }
  void Close() override {
    inner_->Close();
    state_->open = false;
  }
  int WriteReport(const Report& report, std::chrono::milliseconds timeout) override {
    return inner_->WriteReport(report, timeout);
  }
  int ReadReport(Report& report, std::chrono::milliseconds timeout) override {
    return inner_->ReadReport(report, timeout);
  }

 private:
  std::unique_ptr<Transport> inner_;
  std::shared_ptr<OpenState> state_;
};

}  // namespace torvane::testing
