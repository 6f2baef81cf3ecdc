#include "platform/linux/LockFileInstance.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

namespace torvane::platform {

std::string LockFileInstance::FileName(std::string_view name) {
  std::string file;
  file.reserve(name.size() + 5);
  for (const char c : name) file.push_back(c == '/' || c == '\0' ? '_' : c);
  return file + ".lock";
}

std::unique_ptr<LockFileInstance> LockFileInstance::TryAcquire(const PrivateFolder* folder, std::string_view name,
                                                               Outcome* outcome) {
  Outcome result = Outcome::kUnavailable;
  std::unique_ptr<LockFileInstance> lock;
  if (folder != nullptr) {
    device::UniqueFd fd(
        ::openat(folder->fd.get(), FileName(name).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.valid()) {
      int rc = 0;
      do {
        rc = ::flock(fd.get(), LOCK_EX | LOCK_NB);
      } while (rc != 0 && errno == EINTR);
      if (rc == 0) {
        lock.reset(new LockFileInstance(std::move(fd)));
        result = Outcome::kAcquired;
      } else if (errno == EWOULDBLOCK) {
        result = Outcome::kHeldElsewhere;
      }
    }
  }
  if (outcome != nullptr) *outcome = result;
  return lock;
}

}  // namespace torvane::platform
