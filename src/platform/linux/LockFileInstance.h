#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "device/UniqueFd.h"
#include "platform/SingleInstance.h"
#include "platform/linux/PrivateFolder.h"

namespace torvane::platform {

// The single-instance lock as flock() on a file named after the lock in a folder only this user can change, so
// another user cannot hold our lock or point its file elsewhere.
class LockFileInstance final : public SingleInstance {
 public:
  // Tries the lock `name` in `folder`; no folder means kUnavailable.
  static std::unique_ptr<LockFileInstance> TryAcquire(const PrivateFolder* folder, std::string_view name,
                                                      Outcome* outcome);

  // The lock file's name: `name` made safe for a file name (any '/' or NUL becomes '_') with ".lock".
  static std::string FileName(std::string_view name);

 private:
  explicit LockFileInstance(device::UniqueFd fd) : fd_(std::move(fd)) {}
  device::UniqueFd fd_;
};

}  // namespace torvane::platform
