#pragma once

#include <memory>
#include <string_view>

namespace torvane::platform {

// A lock that only one process of the user's session can hold at a time, released by the system when its holder
// dies, so a crashed copy never blocks the next start. The holder keeps the object for as long as it runs.
class SingleInstance {
 public:
  enum class Outcome {
    kAcquired,       // this process holds the lock now
    kHeldElsewhere,  // another process holds it
    kUnavailable,    // no safe place for the lock; the caller decides (the program runs anyway)
  };

  // Tries to take the lock `name` without waiting; the lock when acquired, and the outcome in `outcome`.
  static std::unique_ptr<SingleInstance> TryAcquire(std::string_view name, Outcome* outcome = nullptr);

  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;
  virtual ~SingleInstance() = default;

 protected:
  SingleInstance() = default;
};

}  // namespace torvane::platform
