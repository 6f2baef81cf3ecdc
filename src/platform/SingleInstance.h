#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace torvane::platform {

// A lock that only one process of the user's session can hold at a time, released by the system when its holder
// dies, so a crashed copy never blocks the next start. Backed by flock() on a file named after the lock in the
// user's runtime folder ($XDG_RUNTIME_DIR, else /tmp/torvane-<uid>).
class SingleInstance {
 public:
  enum class Outcome {
    kAcquired,       // this process holds the lock now
    kHeldElsewhere,  // another process holds it
    kUnavailable,    // the lock file could not be opened; the caller decides (the program runs anyway)
  };

  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Tries to take the lock `name` without waiting. The object holds the lock (when acquired) until destroyed.
  static std::unique_ptr<SingleInstance> TryAcquire(std::string_view name, Outcome* outcome = nullptr);

  // The file that carries the lock of `name`: the name made safe for a file name (any '/' or NUL becomes '_').
  static std::string LockFilePath(std::string_view name);

 private:
  explicit SingleInstance(int fd) : fd_(fd) {}
  int fd_;
};

}  // namespace torvane::platform
